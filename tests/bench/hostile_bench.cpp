// Time and peak memory of decoding each hostile picture for the logo box
// and for the preview. Not a test: figures depend on the machine.
//   build/native/tests/bench/vellumark_hostile_bench [RUNS]
// Each decode runs in a child process of its own, so one picture's peak
// cannot hide behind another's; the worst of RUNS runs is printed.
#include "platform/image/image_decoder.h"
#include "tests/common/hostile_pictures.h"

#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

using hostile_pictures::HostilePicture;

namespace {

struct Place {
    const char* name;
    DecodeTarget target;
};

const Place kPlaces[] = {{"logo", hostile_pictures::kLogoBox},
                         {"preview", hostile_pictures::kPreview}};

struct Measurement {
    bool decoded = false;
    int width = 0;
    int height = 0;
    double milliseconds = 0;
    long peakKilobytes = 0;
};

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0) return std::atol(line.c_str() + length);
    return -1;
}

// Peak resident memory above what the process held before the decode; the
// kernel's high-water mark is reset first so earlier work does not count.
Measurement measureInChild(const HostilePicture& picture, const DecodeTarget& target) {
    int channel[2];
    if (pipe(channel) != 0) std::exit(1);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::ofstream("/proc/self/clear_refs") << "5";
        Measurement result;
        const long before = statusKilobytes("VmRSS:");
        const auto start = std::chrono::steady_clock::now();
        DecodedImage image;
        result.decoded = decodeImage(picture.bytes.data(), picture.bytes.size(), target, image);
        const auto stop = std::chrono::steady_clock::now();
        result.width = image.width;
        result.height = image.height;
        result.milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
        result.peakKilobytes = statusKilobytes("VmHWM:") - before;
        const bool written = write(channel[1], &result, sizeof result) == sizeof result;
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    Measurement result;
    if (read(channel[0], &result, sizeof result) != sizeof result)
        std::fprintf(stderr, "%s: the child reported nothing\n", picture.name.c_str());
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    double worstMilliseconds = 0;
    long worstKilobytes = 0;
    std::printf("%-40s %8s %-8s %-12s %10s %10s\n", "picture", "bytes", "place", "result",
                "worst ms", "peak MB");
    for (const HostilePicture& picture : hostile_pictures::makeHostilePictures()) {
        for (const Place& place : kPlaces) {
            Measurement worst;
            for (int run = 0; run < runs; ++run) {
                const Measurement measured = measureInChild(picture, place.target);
                if (run == 0 || measured.milliseconds > worst.milliseconds)
                    worst.milliseconds = measured.milliseconds;
                worst.peakKilobytes = std::max(worst.peakKilobytes, measured.peakKilobytes);
                worst.decoded = measured.decoded;
                worst.width = measured.width;
                worst.height = measured.height;
            }
            const std::string result =
                worst.decoded ? std::to_string(worst.width) + "x" + std::to_string(worst.height)
                              : "refused";
            std::printf("%-40s %8zu %-8s %-12s %10.1f %10.1f\n", picture.name.c_str(),
                        picture.bytes.size(), place.name, result.c_str(), worst.milliseconds,
                        worst.peakKilobytes / 1024.0);
            worstMilliseconds = std::max(worstMilliseconds, worst.milliseconds);
            worstKilobytes = std::max(worstKilobytes, worst.peakKilobytes);
        }
    }
    std::printf("worst time %.1f ms, worst peak memory %.1f MB (budget: 1000 ms, 64 MB)\n",
                worstMilliseconds, worstKilobytes / 1024.0);
    return 0;
}
