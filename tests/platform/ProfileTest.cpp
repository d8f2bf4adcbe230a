#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "platform/Profile.h"
#include "support/StagedFileStore.h"
#include "support/TempDir.h"

namespace vantrel {
namespace {

using testing::ReadBytes;
using testing::StagedFileStore;
using testing::TempDir;
using testing::WriteBytes;

class ProfileTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return dir_ / "Mensura.ini"; }
  void Put(std::string_view bytes) const { WriteBytes(File(), bytes); }
  std::string Bytes() const { return ReadBytes(File()); }
  TempDir dir_;
  Profile profile_{dir_ / "Mensura.ini"};
};

TEST_F(ProfileTest, ReadsIntegersAsTheirLeadingNumber) {
  Put("[Settings]\nA=12\nB=  -7xyz\nC=abc\nD=\nE=3.9\nF=99999999999\n");
  EXPECT_EQ(profile_.GetInt("Settings", "A", 5), 12);
  EXPECT_EQ(profile_.GetInt("Settings", "B", 5), -7);
  EXPECT_EQ(profile_.GetInt("Settings", "C", 5), 0);
  EXPECT_EQ(profile_.GetInt("Settings", "D", 5), 0);
  EXPECT_EQ(profile_.GetInt("Settings", "E", 5), 3);
  EXPECT_EQ(profile_.GetInt("Settings", "F", 5), 2147483647);
  EXPECT_EQ(profile_.GetInt("Settings", "Absent", 5), 5);
  EXPECT_EQ(profile_.GetInt("Absent", "A", 6), 6);
}

TEST_F(ProfileTest, NamesMatchWithoutCaseButKeysAndValuesStayVerbatim) {
  Put("[settings]\nfontname= Deja Vu  \nµm² =1\nÄrger=2\n");
  EXPECT_EQ(profile_.GetString("SETTINGS", "FontName", "x"), " Deja Vu  ");
  EXPECT_EQ(profile_.GetInt("Settings", "µm² ", 0), 1);
  EXPECT_EQ(profile_.GetInt("Settings", "µm²", 0), 0) << "the trailing blank is part of the key";
  EXPECT_EQ(profile_.GetInt("Settings", "ärger", 0), 2);
  ASSERT_TRUE(profile_.WriteString("Settings", "FONTNAME", "Arial"));
  EXPECT_EQ(Bytes(), "[settings]\nfontname=Arial\nµm² =1\nÄrger=2\n");
}

TEST_F(ProfileTest, WritesKeepEveryOtherLineAndTheirOrder) {
  const std::string original =
      "; settings of the converter\r\n[Other]\r\nkeep=me\r\n\r\n[Settings]\r\n"
      "Format=1\r\nnoise line\r\n\r\n[Visibility]\r\nData=1\r\n";
  Put(original);
  ASSERT_TRUE(profile_.WriteInt("Settings", "Format", 2));
  ASSERT_TRUE(profile_.WriteInt("Settings", "Precision", 8));
  ASSERT_TRUE(profile_.WriteInt("New", "Key", 1));
  EXPECT_EQ(Bytes(),
            "; settings of the converter\r\n[Other]\r\nkeep=me\r\n\r\n[Settings]\r\n"
            "Format=2\r\nnoise line\r\nPrecision=8\r\n\r\n[Visibility]\r\nData=1\r\n"
            "[New]\r\nKey=1\r\n");
  ASSERT_TRUE(profile_.DeleteKey("Settings", "Precision"));
  ASSERT_TRUE(profile_.DeleteKey("Settings", "Format"));
  ASSERT_TRUE(profile_.DeleteKey("New", "Key"));
  EXPECT_EQ(Bytes(),
            "; settings of the converter\r\n[Other]\r\nkeep=me\r\n\r\n[Settings]\r\n"
            "noise line\r\n\r\n[Visibility]\r\nData=1\r\n[New]\r\n");
}

TEST_F(ProfileTest, FileIsCreatedByTheFirstWriteButNotItsFolder) {
  EXPECT_TRUE(profile_.DeleteKey("Settings", "Absent")) << "an absent key is not an error";
  EXPECT_FALSE(std::filesystem::exists(File())) << "a delete that changes nothing writes nothing";
  ASSERT_TRUE(profile_.WriteString("Settings", "FontName", "Verdana"));
  EXPECT_EQ(Bytes(), "[Settings]\nFontName=Verdana\n");

  Profile nested(dir_ / "missing" / "Mensura.ini");
  EXPECT_FALSE(nested.WriteInt("Settings", "Format", 1));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "missing"));
}

TEST_F(ProfileTest, SectionReturnsEveryEntryInFileOrder) {
  std::string text = "[CustomUnits]\n";
  for (int i = 0; i < 5000; ++i) text += "unit " + std::to_string(i) + " =@Distance?val=1?i=0\n";
  text += "[Other]\nx=1\n[customunits]\nlate=@Mass?val=2?i=1\nno equals sign\n; comment=1\n";
  Put(text);
  const auto entries = profile_.GetSection("CustomUnits");
  ASSERT_EQ(entries.size(), 5001u) << "no 3000-character limit";
  EXPECT_EQ(entries[0].key, "unit 0 ");
  EXPECT_EQ(entries[0].value, "@Distance?val=1?i=0");
  EXPECT_EQ(entries[4999].key, "unit 4999 ");
  EXPECT_EQ(entries[5000].key, "late");
  EXPECT_TRUE(profile_.GetSection("Absent").empty());
}

TEST_F(ProfileTest, OddFilesReadSafely) {
  struct Case {
    std::string bytes;
    std::string expected;
  };
  const std::string longValue(200000, 'v');
  const Case cases[] = {
      {"", "default"},
      {"[S]\nK=no final newline", "no final newline"},
      {"[S]\r\nK=crlf\r\n", "crlf"},
      {"\xEF\xBB\xBF[S]\nK=bom\n", "bom"},
      {"garbage\n[S]\nno equals\nK=first\nK=second\n", "first"},
      {"[S]\nK=" + longValue + "\n", std::string(longValue.begin(), longValue.end())},
      {"[S]\nK=caf\xE9 \x80\n", "café €"},    // Windows-1252 line
      {"[S]\nX=\xFF\xFE\x01\nK=ok\n", "ok"},  // stray bytes elsewhere
      {std::string("[S]\nK=nul\0inside\n", 17), std::string("nul\0inside", 10)},
      {"[S\nK=unclosed header\n", "unclosed header"},
      {"  [S]  \n  K=indented section\n", "default"},  // the key is "  K"
  };
  for (const Case& c : cases) {
    Put(c.bytes);
    EXPECT_EQ(profile_.GetString("S", "K", "default"), c.expected) << c.bytes.substr(0, 40);
  }
}

TEST_F(ProfileTest, SettingsFromTheWindowsEditionRead) {
  // UTF-16 little endian with byte-order mark, CRLF, as the platform writes it.
  const std::u16string text =
      u"[Settings]\r\nFormat=2\r\n[CustomUnits]\r\nµ-thing=@Distance?val=0.5?i=0\r\n";
  std::string le = "\xFF\xFE";
  std::string be = "\xFE\xFF";
  for (char16_t c : text) {
    le += static_cast<char>(c & 0xFF), le += static_cast<char>(c >> 8);
    be += static_cast<char>(c >> 8), be += static_cast<char>(c & 0xFF);
  }
  for (const std::string& bytes : {le, be}) {
    Put(bytes);
    EXPECT_EQ(profile_.GetInt("Settings", "Format", 0), 2);
    EXPECT_EQ(profile_.GetString("CustomUnits", "µ-thing", ""), "@Distance?val=0.5?i=0");
  }
  // A write converts the whole file to UTF-8 and keeps its content.
  ASSERT_TRUE(profile_.WriteInt("Settings", "Precision", 3));
  EXPECT_EQ(Bytes(),
            "[Settings]\r\nFormat=2\r\nPrecision=3\r\n[CustomUnits]\r\n"
            "\xC2\xB5-thing=@Distance?val=0.5?i=0\r\n");
}

TEST_F(ProfileTest, NamesThatCannotComeBackAreRefused) {
  Put("[Settings]\nFormat=1\n");
  const std::string before = Bytes();
  EXPECT_FALSE(profile_.WriteString("Settings", "a=b", "1"));
  EXPECT_FALSE(profile_.WriteString("Settings", "line\nbreak", "1"));
  EXPECT_FALSE(profile_.WriteString("Settings", "cr\r", "1"));
  EXPECT_FALSE(profile_.WriteString("Settings", "[section", "1"));
  EXPECT_FALSE(profile_.WriteString("Settings", "  ;comment", "1"));
  EXPECT_FALSE(profile_.WriteString("Sec]tion", "k", "1"));
  EXPECT_FALSE(profile_.WriteString("Sec\ntion", "k", "1"));
  EXPECT_FALSE(profile_.WriteString("Settings", "k", "two\nlines"));
  EXPECT_FALSE(profile_.WriteString("Settings", "\xED\xA0\x80", "1"))
      << "a surrogate has no UTF-8 form";
  EXPECT_FALSE(profile_.WriteString("Settings", "FontName", "\xF4\x90\x80\x80"));
  EXPECT_FALSE(profile_.DeleteKey("Settings", "a=b"));
  EXPECT_EQ(Bytes(), before);
  // Blanks, "?" and "@" are fine.
  EXPECT_TRUE(profile_.WriteString("Settings", "gigabit/second (SI) ", "@x?val=1"));
  EXPECT_EQ(profile_.GetString("Settings", "gigabit/second (SI) ", ""), "@x?val=1");
}

TEST_F(ProfileTest, UnwritablePlacesFailWithoutHarm) {
  // A read-only file.
  Put("[Settings]\nFormat=1\n");
  ::chmod(File().c_str(), 0444);
  EXPECT_FALSE(profile_.WriteInt("Settings", "Format", 2));
  EXPECT_EQ(profile_.GetInt("Settings", "Format", 0), 1);
  ::chmod(File().c_str(), 0644);

  // A path that is a directory.
  std::filesystem::create_directory(dir_ / "folder.ini");
  Profile directory(dir_ / "folder.ini");
  EXPECT_FALSE(directory.WriteInt("Settings", "Format", 2));
  EXPECT_EQ(directory.GetInt("Settings", "Format", 9), 9);
  EXPECT_TRUE(directory.GetSection("Settings").empty());

  // A folder that is a file.
  Profile underFile(File() / "Mensura.ini");
  EXPECT_FALSE(underFile.WriteInt("Settings", "Format", 2));
  EXPECT_EQ(underFile.GetInt("Settings", "Format", 4), 4);

  // A named pipe or a device in the file's place: nothing hangs, nothing is read.
  ASSERT_EQ(::mkfifo((dir_ / "pipe.ini").c_str(), 0644), 0);
  Profile pipe(dir_ / "pipe.ini");
  EXPECT_EQ(pipe.GetInt("Settings", "Format", 5), 5);
  EXPECT_FALSE(pipe.WriteInt("Settings", "Format", 2));
  Profile device("/dev/zero");
  EXPECT_EQ(device.GetInt("Settings", "Format", 6), 6);

  // No file at all.
  Profile none;
  EXPECT_FALSE(none.WriteInt("Settings", "Format", 2));
  EXPECT_EQ(none.GetInt("Settings", "Format", 3), 3);
}

// Live or dangling, relative or absolute: the link stays and its target is
// written. A loop is refused.
TEST_F(ProfileTest, WritesThroughASymbolicLinkKeepTheLink) {
  Put("[Settings]\nFormat=1\n");
  const struct {
    const char* link;
    std::filesystem::path target;
    const char* expected;
  } cases[] = {
      {"link.ini", File(), "[Settings]\nFormat=2\n"},
      {"dangling.ini", "target.ini", "[Settings]\nFormat=2\n"},
      {"chain.ini", "dangling.ini", "[Settings]\nFormat=2\n"},
      {"absolute.ini", dir_ / "elsewhere.ini", "[Settings]\nFormat=2\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link);
    std::filesystem::create_symlink(c.target, dir_ / c.link);
    ASSERT_TRUE(Profile(dir_ / c.link).WriteInt("Settings", "Format", 2));
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ / c.link));
    EXPECT_EQ(ReadBytes(dir_ / c.link), c.expected);
  }
  EXPECT_EQ(ReadBytes(dir_ / "target.ini"), "[Settings]\nFormat=2\n");

  std::filesystem::create_symlink("loop-b.ini", dir_ / "loop-a.ini");
  std::filesystem::create_symlink("loop-a.ini", dir_ / "loop-b.ini");
  EXPECT_FALSE(Profile(dir_ / "loop-a.ini").WriteInt("Settings", "Format", 2));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "loop-a.ini"));
}

// The same writes one by one and in one batch leave the same bytes; the
// batch replaces the file once and reads the file once for the reads inside
// it, which see its own writes.
TEST_F(ProfileTest, ABatchLeavesTheBytesOfSingleWritesInOneReplace) {
  const std::string original =
      "; kept\r\n[Settings]\r\nFormat=1\r\n\r\n[CustomUnits]\r\nSmoot=@Distance?val=1?i=0\r\n"
      "x=@Mass?val=2?i=0\r\n";
  const auto writeAll = [](Profile& p) {
    p.WriteInt("Settings", "Format", 2);
    p.WriteInt("Settings", "Precision", 7);
    p.DeleteKey("CustomUnits", "x");
    p.WriteString("CustomUnits", "smoot", "@Distance?val=170.18?i=0", KeySpelling::kAsGiven);
    p.WriteString("CustomUnits", "y", "@Mass?val=3?i=0", KeySpelling::kAsGiven);
    p.WriteString("Visibility", "Data", "0");
    p.DeleteKey("Settings", "Absent");
    EXPECT_FALSE(p.WriteString("Settings", "a=b", "1")) << "refused alone";
  };
  Put(original);
  writeAll(profile_);
  const std::string single = Bytes();
  EXPECT_EQ(single,
            "; kept\r\n[Settings]\r\nFormat=2\r\nPrecision=7\r\n\r\n[CustomUnits]\r\n"
            "smoot=@Distance?val=170.18?i=0\r\ny=@Mass?val=3?i=0\r\n[Visibility]\r\nData=0\r\n");

  Put(original);
  StagedFileStore store;
  Profile batched(File(), store);
  {
    Profile::Batch batch(batched);
    writeAll(batched);
    EXPECT_EQ(Bytes(), original) << "nothing is written before the batch ends";
    EXPECT_EQ(batched.GetInt("Settings", "Precision", 0), 7);
    {
      Profile::Batch inner(batched);
      batched.WriteInt("Settings", "Inner", 1);
      EXPECT_TRUE(inner.Commit());
    }
    EXPECT_EQ(Bytes(), original) << "an inner batch joins the outer one";
    EXPECT_EQ(batched.GetInt("Settings", "Inner", 0), 1);
    batched.DeleteKey("Settings", "Inner");
    EXPECT_TRUE(batch.Commit());
  }
  EXPECT_EQ(Bytes(), single);
  EXPECT_EQ(store.replacements, 1);
  EXPECT_EQ(store.reads, 1);
}

TEST_F(ProfileTest, SnapshotReadsTheFileOnceAndNeverWrites) {
  Put("[Settings]\nFormat=1\n[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n");
  Profile snapshot = Profile::Snapshot(File());
  Put("[Settings]\nFormat=2\n");
  EXPECT_EQ(snapshot.GetInt("Settings", "Format", 0), 1);
  EXPECT_EQ(snapshot.GetSection("CustomUnits").size(), 1u);
  EXPECT_FALSE(snapshot.WriteInt("Settings", "Format", 3));
  EXPECT_FALSE(snapshot.DeleteKey("Settings", "Format"));
  EXPECT_EQ(Bytes(), "[Settings]\nFormat=2\n");
  EXPECT_EQ(Profile::Snapshot(dir_ / "missing.ini").GetInt("Settings", "Format", 7), 7);
}

TEST_F(ProfileTest, WritesKeepTheFileMode) {
  Put("[Settings]\nFormat=1\n");
  ::chmod(File().c_str(), 0600);
  ASSERT_TRUE(profile_.WriteInt("Settings", "Format", 2));
  struct stat st {};
  ASSERT_EQ(::stat(File().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace vantrel
