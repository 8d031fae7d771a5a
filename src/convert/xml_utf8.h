// UTF-8 file text to the ANSI code page, for documents loaded from files.
#pragma once

#include <string>

namespace zrt::xml {

// The bytes of a file declared UTF-8 (or declaring nothing) in the ANSI code page: a
// leading byte-order mark EF BB BF is dropped; every UTF-8 sequence of one to four bytes
// becomes its character's ANSI bytes, or one '?' when the code page cannot hold it.
// Bytes that are not well-formed UTF-8 as a whole (uVision writes GBK text under a UTF-8
// declaration) are taken to be ANSI already and kept as read, byte-order mark dropped.
std::string Utf8FileToAnsi(const std::string& bytes);

}  // namespace zrt::xml
