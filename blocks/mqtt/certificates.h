// The certificate files that travel inside the MQTT Connect record: the CA
// file, the client certificate and the client key, read when a block is
// coded and written out again, into a new directory, when one is decoded.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/record.h"

namespace ostrevan::mqtt {

// The PLC holds at most this many bytes of each file.
constexpr size_t kMaxCertificateBytes = 3072;

constexpr size_t kCertificateFiles = 3;
using CertificateTexts = std::array<std::string, kCertificateFiles>;  // CA, certificate, key

// The content of one file as the record carries it: read line by line, each
// line up to its first NUL byte, so that PEM files keep every byte, CR and LF
// included. Empty when the path is empty or the file cannot be opened for
// reading and update (a read-only file counts as missing); nothing when the
// content is longer than kMaxCertificateBytes.
std::optional<std::string> ReadCertificateFile(const std::string& path);

constexpr const char* kCertificateFieldNames[kCertificateFiles] = {"CA file", "client certificate",
                                                                   "client key"};

// The contents the section carries for `paths`: all three, or none when TLS
// is off, when no file gives any content, or when one of them is too long.
using CertificatePaths = std::array<std::string_view, kCertificateFiles>;
CertificateTexts CarriedCertificates(bool tls, const CertificatePaths& paths);

// The section behind the strings: three lengths (u16), two zero bytes, then
// the contents back to back. Eight zero bytes when nothing is carried.
// Templates over the record cursor, checked or raw.
template <class Out, class Paths>
void PutCertificateSection(Out& out, bool tls, const Paths& paths) {
  if (!tls) {
    for (size_t k = 0; k < kCertificateFiles; ++k)
      out.PutU16BE(0, FieldName(kCertificateFieldNames[k], " length"));
    out.PutZeros(2, "reserved");
    return;
  }
  const CertificateTexts contents = CarriedCertificates(tls, {paths[0], paths[1], paths[2]});
  for (size_t k = 0; k < kCertificateFiles; ++k) {
    out.PutU16BE(static_cast<uint16_t>(contents[k].size()),
                 FieldName(kCertificateFieldNames[k], " length"));
  }
  out.PutZeros(2, "reserved");
  for (size_t k = 0; k < kCertificateFiles; ++k) {
    if (!contents[k].empty()) {
      out.PutBytes(contents[k].data(), contents[k].size(),
                   FieldName(kCertificateFieldNames[k], " content"));
    }
  }
}

// A length above the limit counts as 0.
inline size_t CertificateLength(const uint8_t* length) {
  const size_t value = static_cast<size_t>(length[0] << 8 | length[1]);
  return value > kMaxCertificateBytes ? 0 : value;
}

// The three contents of the section, or none but its walk when they are not
// `wanted`; bytes past the end of the record read as 0.
template <class In>
CertificateTexts ReadCertificateSection(In& in, bool wanted) {
  std::array<uint8_t, 2 * kCertificateFiles> lengths{};
  for (size_t k = 0; k < kCertificateFiles; ++k) {
    const uint16_t length = in.GetU16BE(FieldName(kCertificateFieldNames[k], " length"));
    lengths[2 * k] = static_cast<uint8_t>(length >> 8);
    lengths[2 * k + 1] = static_cast<uint8_t>(length);
  }
  in.Skip(2, "reserved");
  CertificateTexts contents;
  for (size_t k = 0; k < kCertificateFiles; ++k) {
    const size_t length = CertificateLength(&lengths[2 * k]);
    if (length == 0) continue;
    const FieldName name(kCertificateFieldNames[k], " content");
    if (!wanted) {
      in.Skip(length, name);
      continue;
    }
    contents[k].resize(length);
    in.GetBytes(contents[k].data(), length, name);
  }
  return contents;
}

// The bytes a reader of the section at `section` walks.
inline size_t CertificateSectionLength(const uint8_t* section) {
  size_t length = 2 * kCertificateFiles + 2;
  for (size_t k = 0; k < kCertificateFiles; ++k) length += CertificateLength(section + 2 * k);
  return length;
}

// Writes content number `number` (0 CA, 1 certificate, 2 key) as 1.pem,
// 2.crt or 3.key into a directory named after the local time below the
// plug-in's module directory; the file's full path, or an empty text when
// the file could not be written.
std::string WriteCertificateFile(std::string_view content, size_t number);

}  // namespace ostrevan::mqtt
