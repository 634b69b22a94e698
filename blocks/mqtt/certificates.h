// The certificate files that travel inside the MQTT Connect record: the CA
// file, the client certificate and the client key, read when a block is
// coded and written out again, into a new directory, when one is decoded.
#pragma once

#include <array>
#include <cstddef>
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

// The section behind the strings: three lengths (u16), two zero bytes, then
// the contents back to back. Eight zero bytes when TLS is off, when no file
// gives any content, or when one of them is too long.
void PutCertificateSection(RecordWriter& out, bool tls, const CertificateTexts& paths);

// The three contents of a section at `offset`; a length above the limit
// counts as 0, and bytes past the end of the record read as 0.
CertificateTexts ReadCertificateSection(RecordReader& in);

// Writes content number `number` (0 CA, 1 certificate, 2 key) as 1.pem,
// 2.crt or 3.key into a directory named after the local time below the
// plug-in's module directory; the file's full path, or an empty text when
// the file could not be written.
std::string WriteCertificateFile(std::string_view content, size_t number);

}  // namespace ostrevan::mqtt
