// Differential test: on every well-formed document of the corpus, our
// element tree read through the navigation operations equals libxml2's: names, nesting,
// element data and attribute values (libxml2's UTF-8 converted to ANSI for comparison).
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <string>
#include <vector>

#include "platform/code_page.h"
#include "src/convert/xml_document.h"
#include "tests/convert/xml_test_support.h"

namespace zrt {
namespace {

std::string Ansi(const xmlChar* utf8) {
  return utf8 ? platform::Utf8ToAnsi(reinterpret_cast<const char*>(utf8)) : std::string();
}

// "prefix:name" of an element or attribute, "name" when it has no prefix.
std::string QualifiedName(const xmlChar* name, const xmlNs* ns) {
  std::string local = reinterpret_cast<const char*>(name);
  return ns && ns->prefix ? reinterpret_cast<const char*>(ns->prefix) + (":" + local) : local;
}

std::string QualifiedName(const xmlNode* node) { return QualifiedName(node->name, node->ns); }

bool IsElement(const xmlNode* node) { return node->type == XML_ELEMENT_NODE; }

// The data we expect: for an element without child elements, its text and CDATA in order.
std::string ExpectedData(const xmlNode* element) {
  std::string data;
  for (const xmlNode* child = element->children; child; child = child->next) {
    if (IsElement(child)) return std::string();
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) data += Ansi(child->content);
  }
  return data;
}

// Compares the current element of document (already checked by name and data) with
// element: its attributes, then each child element in order, recursively.
void CompareElement(CXmlDocument& document, const xmlNode* element, const std::string& path) {
  for (const xmlAttr* attribute = element->properties; attribute; attribute = attribute->next) {
    xmlChar* value = xmlNodeListGetString(element->doc, attribute->children, 1);
    std::string name = QualifiedName(attribute->name, attribute->ns);
    EXPECT_EQ(document.FindAttributeValue(name.c_str()), Ansi(value)) << path << " @" << name;
    xmlFree(value);
  }
  for (const xmlNode* child = element->children; child; child = child->next) {
    if (!IsElement(child)) continue;
    std::string childPath = path + "/" + QualifiedName(child);
    ASSERT_TRUE(document.FindChildElement()) << childPath << " missing";
    ASSERT_EQ(document.GetChildTagName(), QualifiedName(child)) << childPath;
    EXPECT_EQ(document.GetChildText(), ExpectedData(child)) << childPath;
    ASSERT_TRUE(document.EnterElement());
    CompareElement(document, child, childPath);
    ASSERT_TRUE(document.LeaveElement());
  }
  EXPECT_FALSE(document.FindChildElement()) << path << " has more children than libxml2 sees";
}

// Loads path both ways and compares the trees; false when libxml2 rejects the file.
bool CompareFile(const std::string& path) {
  xmlDoc* reference = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (!reference) return false;
  CXmlDocument document;
  EXPECT_TRUE(document.LoadFile(path)) << path << ": " << document.GetResultText();
  const xmlNode* root = xmlDocGetRootElement(reference);
  EXPECT_TRUE(document.FindElement()) << path;
  EXPECT_EQ(document.GetElementTagName(document.GetCurrentPosition()), QualifiedName(root)) << path;
  EXPECT_EQ(document.GetElementText(document.GetCurrentPosition()), ExpectedData(root)) << path;
  CompareElement(document, root, path + ":" + QualifiedName(root));
  EXPECT_FALSE(document.FindElement()) << path << " has a second top-level element";
  xmlFreeDoc(reference);
  return true;
}

TEST(XmlLibxml2DifferentialTest, CorpusTreesEqualLibxml2s) {
  std::vector<std::string> files = testing::CorpusXmlFiles();
  ASSERT_GE(files.size(), 20u) << "corpus not found; set ZRT_CORPUS_DIR";
  for (const std::string& path : files) {
    EXPECT_TRUE(CompareFile(path)) << path << " is rejected by libxml2";
  }
}

}  // namespace
}  // namespace zrt
