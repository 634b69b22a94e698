#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "blocks/mqtt/mqtt_test_support.h"
#include "ostrevan/plugin.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

const std::string kDefaultRecord =
    "00 00 8B 00 00 00 00 00 00 01 00 0B 85 07 5C 00 00 00 00 00 00 0A 1E " + Repeat("00", 8) +
    " 00 07 0D 01 01 01 00 00 00 00 " + Repeat("00", 8);

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string TlsText(const std::string& ca, const std::string& crt, const std::string& key,
                    int tls = 1) {
  return "A:30,10,0,1884,1," + std::to_string(tls) + ",0,0,0,B:plc1,C:,D:,E:10.0.0.5,F:" + ca +
         ",G:" + crt + ",H:" + key + ",I:";
}

// A PEM-looking content of exactly `size` bytes, lines ending in CR LF.
std::string PemOfSize(size_t size, char fill) {
  std::string content;
  while (content.size() < size)
    content += content.size() % 66 == 64 ? "\r\n" : std::string(1, fill);
  content.resize(size);
  return content;
}

TEST(MqttConnect, EmptyAndDefaultTextsCodeTheDefaultRecord) {
  EXPECT_EQ(Hex(CodeAlone(kConnect, DefaultText(kConnect))), kDefaultRecord);
  EXPECT_EQ(Hex(CodeAlone(kConnect, "")), kDefaultRecord);
}

// Bytes 11 to 22.
TEST(MqttConnect, CodesTheBrokerAndSession) {
  ExpectBytesAt(kConnect, 11, {
      {"A:5,5,0,1883,0,0,0,0,1,B:,C:,D:,E:192.168.1.20,F:,G:,H:,I:",
       "20 05 07 5B C0 A8 01 14 00 00 0A 05"},
      {"A:300,61,0,70000,1,0,0,0,2,B:,C:,D:,E:300.1.2,F:,G:,H:,I:",
       "0B 85 11 70 2C 01 02 00 00 00 0A 2C"},
      {"A:255,60,0,1884,7,9,0,0,0,B:,C:,D:,E:1.2.3.4,F:,G:,H:,I:",
       "0B A5 07 5C 01 02 03 04 00 00 3C FF"},
      // By domain name: bit 0 clear, no IP address.
      {"A:30,10,0,8883,0,0,1,0,0,B:,C:,D:,E:1.2.3.4,F:,G:,H:,I:mq.example",
       "0B 04 22 B3 00 00 00 00 00 00 0A 1E"},
      // Without its I field a text names no domain, whatever A says.
      {"A:30,10,0,1884,1,0,1,0,0,B:,C:,D:,E:1.2.3.4,F:,G:,H:",
       "0B 85 07 5C 01 02 03 04 00 00 0A 1E"},
      // Missing values of A keep their defaults.
      {"A:45,B:,C:,D:,E:1.2.3.4,F:,G:,H:,I:", "0B 85 07 5C 01 02 03 04 00 00 0A 2D"},
  });
}

struct SectionCase {
  const char* name;
  std::string text;
  std::string section;  // behind the strings of TlsText (offset 45)
};

TEST(MqttConnectFiles, CarryCertificateContents) {
  TempDir files;  // the certificates, in a directory of the test's own
  const std::string ca = "-----BEGIN CERTIFICATE-----\r\nMIIB\r\n-----END CERTIFICATE-----\r\n";
  const std::string crt = "crt\n";
  const std::string key = "k";
  const std::string ca_path = files.Write("ca.pem", ca);
  const std::string crt_path = files.Write("c.crt", crt);
  const std::string key_path = files.Write("c.key", key);
  const std::string full = files.Write("full.pem", PemOfSize(3072, 'F'));
  const std::string over = files.Write("over.pem", PemOfSize(3073, 'O'));
  const std::string nul = files.Write("with-nul.pem", std::string("ab\0cd\nef\n", 9));
  const std::string missing = files.path() + "missing.pem";
  const std::string empty = files.Write("empty.pem", "");

  auto lengths = [](size_t a, size_t b, size_t c) {
    return Hex({uint8_t(a >> 8), uint8_t(a), uint8_t(b >> 8), uint8_t(b), uint8_t(c >> 8),
                uint8_t(c), 0, 0});
  };
  auto hex = [](const std::string& s) { return Hex(std::vector<uint8_t>(s.begin(), s.end())); };
  const std::string none = Repeat("00", 8);

  const SectionCase cases[] = {
      {"no files", TlsText("", "", ""), none},
      {"TLS off", TlsText(ca_path, crt_path, key_path, 0), none},
      {"CA only", TlsText(ca_path, "", ""), lengths(ca.size(), 0, 0) + " " + hex(ca)},
      {"three", TlsText(ca_path, crt_path, key_path),
       lengths(ca.size(), 4, 1) + " " + hex(ca) + " " + hex(crt) + " " + hex(key)},
      {"a missing one", TlsText(ca_path, missing, key_path),
       lengths(ca.size(), 0, 1) + " " + hex(ca) + " " + hex(key)},
      {"only missing or empty ones", TlsText(missing, empty, ""), none},
      {"3072 bytes", TlsText("", full, key_path),
       lengths(0, 3072, 1) + " " + hex(PemOfSize(3072, 'F')) + " " + hex(key)},
      {"3073 bytes", TlsText(ca_path, over, key_path), none},
      {"a directory", TlsText(files.path(), "", ""), none},
      // A line is carried up to its first NUL byte.
      {"NUL in a line", TlsText(nul, "", ""), lengths(5, 0, 0) + " 61 62 65 66 0A"},
  };
  for (const SectionCase& c : cases) {
    std::vector<uint8_t> record = CodeAlone(kConnect, c.text);
    EXPECT_EQ(HexAt(record, 45, record.size()), c.section) << c.name;
  }
}

TEST(MqttConnectFiles, DecodeWritesThemBackIntoATimeStampedDirectory) {
  TempDir files, module;
  ModuleDirectoryAt at(module.path());
  FixedClock clock({2024, 5, 6, 7, 8, 9, 0});
  const std::string ca = PemOfSize(3072, 'C'), crt = PemOfSize(1500, 'R'), key = "K\r\n";
  std::vector<uint8_t> record = CodeAlone(
      kConnect, "A:20,30,4,1885,0,1,1,1,1,B:id,C:me,D:pw,E:0.0.0.0,F:" + files.Write("a", ca) +
                    ",G:" + files.Write("b", crt) + ",H:" + files.Write("c", key) + ",I:mq.io");

  const std::string dir = module.path() + "2024_05_06_07_08_09" + platform::PathSeparator();
  // The reserved values of A (77, 1) come from the text, not the record.
  EXPECT_EQ(DecodeBlock(kConnect, "A:30,10,77,1884,1,0,0,1,0,B:", record),
            "A:20,30,77,1885,0,1,1,1,1,B:id,C:me,D:pw,E:0.0.0.0,F:" + dir + "1.pem,G:" + dir +
                "2.crt,H:" + dir + "3.key,I:mq.io");
  EXPECT_EQ(ReadWhole(dir + "1.pem"), ca);
  EXPECT_EQ(ReadWhole(dir + "2.crt"), crt);
  EXPECT_EQ(ReadWhole(dir + "3.key"), key);

  // Only the contents the record carries become files; TLS off drops the paths.
  std::vector<uint8_t> key_only = CodeAlone(kConnect, TlsText("", "", files.Write("k", key)));
  const std::string text = DecodeBlock(kConnect, TlsText("x", "y", "z"), key_only);
  EXPECT_EQ(text, TlsText("", "", dir + "3.key"));
  std::vector<uint8_t> off = CodeAlone(kConnect, TlsText("", "", "", 0));
  EXPECT_EQ(DecodeBlock(kConnect, TlsText("x", "y", "z", 0), off), TlsText("", "", "", 0));

  // the directory and its three files, nothing else
  EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(module.path()), {}), 4);
}

// Bytes 11 to 22, the pins, then the strings.
TEST(MqttConnect, DecodesTheBrokerAndSession) {
  const std::string old = "A:1,1,0,1,1,1,1,0,0,B:old,C:old,D:old,E:9.9.9.9,F:,G:,H:,I:old";
  const std::string head = "00 00 8B 00 00 00 00 00 00 01 00 ";
  const std::string pins = " 00 00 00 00 00 00 00 00 00 07 0D ";
  ExpectDecoded(kConnect, {
      {old, head + "20 85 07 5C 0A 00 00 01 00 00 05 2C" + pins + "03 01 01 00 69 64 00 00 00",
       "A:44,5,0,1884,1,0,0,0,1,B:id,C:,D:,E:10.0.0.1,F:,G:,H:,I:"},
      {old, head + "21 00 00 50 0A 00 00 01 00 00 3D 00" + pins + "01 01 01 04 00 00 00 61 62 63 00",
       "A:0,61,0,80,0,0,1,0,0,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:abc"},
  });
}

// The strings at the end of the MQTT records share a 250-byte budget; these
// cases run it out at every position, through the Connect block in
// domain-name mode (four strings).
struct BudgetCase {
  std::array<size_t, 4> lengths;  // client ID, user name, password, domain name
  std::array<int, 4> slots;       // the slot length bytes worked out by hand
};

std::string DomainModeText(const std::array<std::string, 4>& s) {
  return "A:30,10,0,1884,1,0,1,0,0,B:" + s[0] + ",C:" + s[1] + ",D:" + s[2] +
         ",E:0.0.0.0,F:,G:,H:,I:" + s[3];
}

TEST(MqttStringSection, SharesTheBudgetAndStaysReadable) {
  const BudgetCase cases[] = {
      {{0, 0, 0, 0}, {1, 1, 1, 1}},
      {{0, 3, 0, 0}, {1, 4, 1, 1}},
      {{249, 5, 5, 5}, {250, 0, 0, 0}},           // the first string spends it all
      {{250, 5, 5, 5}, {250, 0, 0, 0}},           // and is cut to 249 characters
      {{100, 148, 5, 5}, {101, 149, 0, 0}},       // spent by the second
      {{100, 100, 100, 100}, {101, 101, 48, 0}},  // the third is cut
      {{0, 0, 0, 251}, {1, 1, 1, 247}},           // the last is cut to 246
      {{10, 10, 228, 5}, {11, 11, 228, 0}},       // spent by the third, exactly
      // Spent exactly, then an empty string: it still takes its lone NUL
      // (slot 1), and the budget stays spent for the strings behind it.
      {{249, 0, 5, 5}, {250, 1, 0, 0}},
      {{248, 0, 5, 5}, {249, 1, 0, 0}},
      {{249, 0, 0, 0}, {250, 1, 1, 1}},
  };
  for (const BudgetCase& c : cases) {
    std::array<std::string, 4> strings;
    for (size_t i = 0; i < 4; ++i)
      strings[i] = std::string(c.lengths[i], static_cast<char>('a' + i));
    std::vector<uint8_t> record = CodeAlone(kConnect, DomainModeText(strings));
    const std::string label = std::to_string(c.lengths[0]) + "," + std::to_string(c.lengths[1]) +
                              "," + std::to_string(c.lengths[2]) + "," +
                              std::to_string(c.lengths[3]);

    std::array<size_t, 4> kept{};
    size_t section = 0;
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(record.at(34 + i), c.slots[i]) << label << " slot " << i;
      kept[i] = c.slots[i] > 0 ? static_cast<size_t>(c.slots[i]) - 1 : 0;
      section += kept[i] + 1;
      EXPECT_EQ(record.at(38 + section - 1), 0) << label << " terminator " << i;
    }
    EXPECT_LE(section, 253u);
    // TLS is off: the certificate section is eight zero bytes behind the strings.
    ASSERT_EQ(record.size(), 38 + section + 8) << label;
    EXPECT_EQ(HexAt(record, 38 + section, 8), Repeat("00", 8)) << label;

    std::array<std::string, 4> cut;
    for (size_t i = 0; i < 4; ++i) cut[i] = strings[i].substr(0, kept[i]);
    EXPECT_EQ(DecodeBlock(kConnect, DefaultText(kConnect), record), DomainModeText(cut)) << label;
  }
}

}  // namespace
}  // namespace ostrevan::testing
