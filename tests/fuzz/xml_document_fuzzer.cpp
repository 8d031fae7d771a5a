// libFuzzer target for CXmlDocument: ParseText and LoadFile of arbitrary bytes, then every
// navigation operation over the whole document. Besides crashes and sanitizer reports it
// traps when the records break an invariant of the index.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"
#include "tests/core/fake_file_system.h"

namespace {

using zrt::CXmlDocument;
using zrt::XmlElementIndex;
using zrt::XmlElementRecord;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Records lie in the text in document order, start at a '<', link only to records handed
// out (parents before, children and next siblings after), and children of an ended
// element lie inside its content.
void CheckRecords(const CXmlDocument& document) {
  const zrt::XmlRecordStore& records = document.GetRecords();
  const std::string& text = document.GetText();
  for (XmlElementIndex i = 1; i < records.NextFree(); ++i) {
    const XmlElementRecord& record = records[i];
    Check(static_cast<uint64_t>(record.start) + record.length <= text.size());
    Check(text[record.start] == '<');
    Check(records[i - 1].start < record.start || i == 1);
    Check(record.parent < i);
    Check(record.firstChild == 0 || record.firstChild > i);
    Check(record.nextSibling == 0 || record.nextSibling > i);
    Check(records.Contains(record.previousSibling));
    const XmlElementRecord& parent = records[record.parent];
    Check(record.start >= parent.start);
    Check(record.start + record.length <= parent.start + parent.length);
  }
}

// The elements FindNextNode meets inside parent are the records' children of parent.
void CheckWalkMatchesRecords(CXmlDocument& document, XmlElementIndex parent) {
  std::vector<XmlElementIndex> walked;
  document.ResetPosition(parent, 0, 0);
  while (document.FindNextNode(zrt::kXmlElement) == zrt::kXmlElement) walked.push_back(document.GetCurrentPosition());
  std::vector<XmlElementIndex> linked;
  const zrt::XmlRecordStore& records = document.GetRecords();
  for (XmlElementIndex child = records[parent].firstChild; child != 0; child = records[child].nextSibling) {
    linked.push_back(child);
  }
  Check(walked == linked);
}

void Exercise(CXmlDocument& document) {
  CheckRecords(document);
  zrt::testing::Outline(document);
  zrt::testing::NodeTrace(document);
  const zrt::XmlRecordStore& records = document.GetRecords();
  for (XmlElementIndex i = 0; i < records.NextFree(); ++i) {
    CheckWalkMatchesRecords(document, i);
    std::string name = document.GetElementTagName(i);
    document.GetElementText(i);
    document.ResetPosition(records[i].parent, i, records[i].firstChild);
    document.FindAttributeValue(name.c_str());
    document.FindAttributeValue("encoding");
    document.GetChildText();
    if (i != 0) {
      document.ResetPosition(records[i].parent, 0, 0);
      Check(document.FindElement(name.c_str()));
    }
  }
  document.ResetPosition(records.NextFree(), records.NextFree() + 1, ~0u);
  document.FindChildElement("a");
  document.FindNextNode(0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  CXmlDocument parsed;
  bool wellFormed = parsed.ParseText(bytes.c_str());
  Check(wellFormed == parsed.GetResultText().empty());
  Exercise(parsed);

  zrt::testing::FakeFileSystem files;
  files.contents["f.xml"] = bytes;
  CXmlDocument loaded(files);
  loaded.LoadFile("f.xml");
  Check(loaded.GetResultText().rfind(std::to_string(size) + " bytes", 0) == 0);
  Exercise(loaded);
  return 0;
}
