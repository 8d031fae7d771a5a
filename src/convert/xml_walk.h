// Walking a CXmlDocument the way the uVision readers do: each element is looked for among
// the children of the element entered last, after the child found before it.
#pragma once

#include <cstddef>
#include <string>

#include "src/convert/xml_document.h"

namespace zrt {

class XmlWalk {
 public:
  explicit XmlWalk(CXmlDocument& document) : document_(document) {}

  // The document walked.
  CXmlDocument& Document() { return document_; }

  // Moves to the next child named name of the current element; false when none is left.
  bool Find(const char* name) { return document_.FindChildElement(name); }
  // Finds the next child named name and stores its data in *text; false when none.
  bool Text(const char* name, std::string* text);
  // Text of count children, in the order of names; false at the first one missing.
  bool Texts(const char* const* names, size_t count, std::string* texts);
  // Steps into the child found last, runs body (a bool()), and steps back out to where
  // Find left the walk, however deep body went. Answers body's result; false when the
  // element cannot be entered.
  template <typename Body>
  bool EnterFound(Body body) {
    XmlElementIndex parent = document_.GetParentPosition();
    XmlElementIndex current = document_.GetCurrentPosition();
    XmlElementIndex child = document_.GetChildPosition();
    if (!document_.EnterElement()) return false;
    bool result = body();
    document_.ResetPosition(parent, current, child);
    return result;
  }
  // Find(name), then EnterFound(body); false when the child is missing.
  template <typename Body>
  bool Enter(const char* name, Body body) {
    return Find(name) && EnterFound(body);
  }

 private:
  CXmlDocument& document_;
};

inline bool XmlWalk::Text(const char* name, std::string* text) {
  if (!Find(name)) return false;
  *text = document_.GetChildText();
  return true;
}

inline bool XmlWalk::Texts(const char* const* names, size_t count, std::string* texts) {
  for (size_t i = 0; i < count; ++i) {
    if (!Text(names[i], &texts[i])) return false;
  }
  return true;
}

}  // namespace zrt
