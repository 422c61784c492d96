#include "PngWriter.h"

#include <zlib.h>

#include <fstream>

static void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>(value >> shift));
    }
}

static void PutChunk(std::string& out, const std::string& type, const std::string& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    PutBigEndian(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                                  static_cast<uInt>(body.size()))));
}

static std::string Deflate(const std::string& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(raw.data()),
              static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION);
    packed.resize(size);
    return packed;
}

std::string PngWriter::Encode(int width, int height, ColourType type, const std::string& rows,
                              const std::string& palette) {
    std::string header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header += std::string{8, static_cast<char>(type), 0, 0, 0}; // 8 bits, deflate, no filter, no interlace
    std::string raw;
    const size_t rowBytes = height > 0 ? rows.size() / static_cast<size_t>(height) : 0;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // filter: none
        raw.append(rows, static_cast<size_t>(y) * rowBytes, rowBytes);
    }
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    if (type == PALETTE) {
        PutChunk(png, "PLTE", palette);
    }
    PutChunk(png, "IDAT", Deflate(raw));
    PutChunk(png, "IEND", "");
    return png;
}

bool PngWriter::Write(const Image& image, const std::string& path) {
    const std::string rows(image.rgba.begin(), image.rgba.end());
    const std::string png = Encode(image.width, image.height, RGBA, rows);
    std::ofstream file(path, std::ios::binary);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(file);
}
