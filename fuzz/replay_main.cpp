// Runs a fuzz target over files instead of under libFuzzer: every file named, and every file in
// every directory named, is one input. The normal suite replays the kept regression inputs and
// the seed corpora this way, with the compiler and sanitizers of its own build.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int index = 1; index < argc; ++index) {
    const std::filesystem::path named(argv[index]);
    if (std::filesystem::is_directory(named)) {
      for (const auto& entry : std::filesystem::directory_iterator(named)) {
        if (!entry.is_regular_file() || entry.path().filename().string().front() == '.') continue;
        replay(entry.path());
        ++replayed;
      }
    } else if (std::filesystem::is_regular_file(named)) {
      replay(named);
      ++replayed;
    } else {
      std::fprintf(stderr, "%s: no such file or directory\n", argv[index]);
      return 2;
    }
  }
  std::printf("%zu inputs replayed\n", replayed);
  return replayed > 0 ? 0 : 1;
}
