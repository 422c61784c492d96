// plot_frames IN.csv OUT.png: the frame periods (and the work in each) of frame_pacing's
// CSV as a picture: one column a frame, 10 to 20 ms from bottom to top, grid every 1 ms,
// the 16 ms line brighter; periods in white, work in green.
#include "video/PngWriter.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

static const int HEIGHT = 300;
static const double LOW_MS = 0;
static const double HIGH_MS = 20;

static int RowOf(double ms) {
    const double clamped = ms < LOW_MS ? LOW_MS : (ms > HIGH_MS ? HIGH_MS : ms);
    return HEIGHT - 1 - static_cast<int>((clamped - LOW_MS) / (HIGH_MS - LOW_MS) * (HEIGHT - 1));
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: plot_frames IN.csv OUT.png\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    std::string line;
    std::getline(in, line); // header
    std::vector<double> periods, work;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string frame, period, busy;
        std::getline(fields, frame, ',');
        std::getline(fields, period, ',');
        std::getline(fields, busy, ',');
        periods.push_back(std::stod(period));
        work.push_back(std::stod(busy));
    }
    Image image;
    image.width = static_cast<int>(periods.size());
    image.height = HEIGHT;
    image.rgba.assign(static_cast<size_t>(image.width) * HEIGHT * 4, 0);
    for (int x = 0; x < image.width; ++x) {
        for (int y = 0; y < HEIGHT; ++y) {
            image.Set(x, y, 0x101018FF);
        }
        for (int ms = 1; ms < 20; ++ms) {
            image.Set(x, RowOf(ms), ms == 16 ? 0x806020FF : 0x303040FF);
        }
        image.Set(x, RowOf(work[x]), 0x40E040FF);
        image.Set(x, RowOf(periods[x]), 0xFFFFFFFF);
    }
    return PngWriter::Write(image, argv[2]) ? 0 : 1;
}
