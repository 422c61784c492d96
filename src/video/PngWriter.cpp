#include "video/PngWriter.h"

#include <png.h>

#include <fstream>
#include <vector>

static void Append(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

static void Flush(png_structp) {}

std::string PngWriter::Encode(int width, int height, ColourType type, const std::string& rows,
                              const std::string& palette) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::string out;
    // libpng reports its errors by a long jump back here; the pictures made are tiny and
    // well-formed, so none is expected, but an empty result is better than a broken one
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return "";
    }
    png_set_write_fn(png, &out, Append, Flush);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, type,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (type == PALETTE) {
        std::vector<png_color> colours;
        for (size_t i = 0; i + 2 < palette.size(); i += 3) {
            colours.push_back({static_cast<png_byte>(palette[i]), static_cast<png_byte>(palette[i + 1]),
                               static_cast<png_byte>(palette[i + 2])});
        }
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    }
    png_write_info(png, info);
    const size_t rowBytes = height > 0 ? rows.size() / static_cast<size_t>(height) : 0;
    for (int y = 0; y < height; ++y) {
        png_write_row(png,
                      reinterpret_cast<png_const_bytep>(rows.data() + static_cast<size_t>(y) * rowBytes));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool PngWriter::Write(const Image& image, const std::string& path) {
    const std::string rows(image.rgba.begin(), image.rgba.end());
    const std::string png = Encode(image.width, image.height, RGBA, rows);
    std::ofstream file(path, std::ios::binary);
    file.write(png.data(), static_cast<std::streamsize>(png.size()));
    return !png.empty() && static_cast<bool>(file);
}
