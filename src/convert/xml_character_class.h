// Byte classes of the XML scanner: one 256-entry table, read by every hot loop.
#pragma once

#include <cstdint>

namespace zrt::xml {

enum CharacterClass : uint16_t {
  kWhiteSpace = 1 << 0,    // space, tab, line feed, carriage return
  kTagNameEnd = 1 << 1,    // ends a name inside a tag: white space, '/', '>', NUL
  kTagStop = 1 << 2,       // stops the scan of a start tag: '>', '=', NUL
  kNameStart = 1 << 3,     // starts an element tag after '<': 'A'-'Z', '_', ':', 'a' (0x61) and up
  kNameEnd = 1 << 4,       // ends a name being matched: white space, '<', '>', '=', '\', '/', '?', '!', NUL
  kAttributeEnd = 1 << 5,  // ends an attribute name: white space, '=', '>', '/', '?', NUL
  kLeadByte = 1 << 6,      // GBK lead byte 0x81-0xFE
  kTrailByte = 1 << 7,     // GBK trail byte 0x40-0x7E, 0x80-0xFE
  kNameFollow = 1 << 8,    // may follow a requested name: NUL, space, '=', '/', '[', ']'
  kDataMarkup = 1 << 9,    // needs a closer look in element data: '<', '&'
  kDataEnd = 1 << 10,      // ends character data: '<', NUL
};

// Shorthands for the rows below.
constexpr uint16_t kNul = kTagNameEnd | kTagStop | kNameEnd | kAttributeEnd | kNameFollow | kDataEnd;
constexpr uint16_t kCtl = kWhiteSpace | kTagNameEnd | kNameEnd | kAttributeEnd;
constexpr uint16_t kSpc = kCtl | kNameFollow;
constexpr uint16_t kSlh = kTagNameEnd | kNameEnd | kAttributeEnd | kNameFollow;
constexpr uint16_t kEqu = kTagStop | kNameEnd | kAttributeEnd | kNameFollow;
constexpr uint16_t kGtr = kTagNameEnd | kTagStop | kNameEnd | kAttributeEnd;
constexpr uint16_t kQst = kNameEnd | kAttributeEnd;
constexpr uint16_t kTrl = kTrailByte;
constexpr uint16_t kLtr = kNameStart | kTrailByte;
constexpr uint16_t kBrk = kTrailByte | kNameFollow;
constexpr uint16_t kBsl = kTrailByte | kNameEnd;
constexpr uint16_t kDbl = kNameStart | kLeadByte | kTrailByte;
constexpr uint16_t kLss = kNameEnd | kDataMarkup | kDataEnd;

inline constexpr uint16_t kCharacterClass[256] = {
    // 0x00-0x0F: NUL ends the text; tab, line feed and carriage return are white space
    kNul, 0, 0, 0, 0, 0, 0, 0, 0, kCtl, kCtl, 0, 0, kCtl, 0, 0,
    // 0x10-0x1F: other control characters
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x20-0x2F: space ! " # $ % & ' ( ) * + , - . /
    kSpc, kNameEnd, 0, 0, 0, 0, kDataMarkup, 0, 0, 0, 0, 0, 0, 0, 0, kSlh,
    // 0x30-0x3F: 0-9 : ; < = > ?
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, kNameStart, 0, kLss, kEqu, kGtr, kQst,
    // 0x40-0x4F: @ A-O
    kTrl, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr,
    // 0x50-0x5F: P-Z [ \ ] ^ _
    kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kBrk, kBsl, kBrk, kTrl, kLtr,
    // 0x60-0x6F: ` a-o
    kTrl, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr,
    // 0x70-0x7F: p-z { | } ~ DEL (DEL is no trail byte)
    kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kLtr, kNameStart,
    // 0x80-0x8F: 0x80 is a trail byte only; 0x81 and up lead or trail
    kLtr, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl,
    // 0x90-0x9F
    kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl,
    // 0xA0-0xAF
    kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl,
    // 0xB0-0xBF
    kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl,
    // 0xC0-0xCF
    kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl,
    // 0xD0-0xDF
    kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl,
    // 0xE0-0xEF
    kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl,
    // 0xF0-0xFF: 0xFF is neither lead nor trail byte
    kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kDbl, kNameStart,
};

// True when byte c has every class in mask.
inline bool Is(char c, uint16_t mask) {
  return (kCharacterClass[static_cast<unsigned char>(c)] & mask) == mask;
}

// The first '<' or NUL at or after p. Unrolled: the runs between tags are short and many.
inline const char* CharacterDataEnd(const char* p) {
  while (!Is(p[0], kDataEnd) && !Is(p[1], kDataEnd) && !Is(p[2], kDataEnd) && !Is(p[3], kDataEnd)) p += 4;
  while (!Is(*p, kDataEnd)) ++p;
  return p;
}

// Bytes of the character at p: 2 for a GBK lead byte followed by a trail byte, else 1.
// p must point into a NUL-terminated text.
inline unsigned CharacterLength(const char* p) {
  return Is(p[0], kLeadByte) && Is(p[1], kTrailByte) ? 2 : 1;
}

}  // namespace zrt::xml
