// Runs every file of the fuzzing seed corpus once through the fuzz target.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

TEST(BmpFuzzCorpus, EverySeedPassesTheTarget) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(CORPUS_DIR)) {
    while (dirent* entry = readdir(dir))
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(dir);
  }
  ASSERT_FALSE(names.empty()) << "no seed files in " << CORPUS_DIR;
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::ifstream file(std::string(CORPUS_DIR) + "/" + name, std::ios::binary);
    ASSERT_TRUE(file) << "cannot read";
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
  }
}
