// CXmlDocument against pugixml and libxml2: parse plus a walk that reads every element's
// name and data, on a generated 64 MiB project-like document and on the corpus files.
// Also the peak heap bytes each parser holds for the 64 MiB document (text plus index).
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <malloc.h>

#include <pugixml.hpp>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "src/convert/xml_document.h"

// ---- Heap accounting: while `counting` is on, every allocation of the process is counted,
// so a parse's peak is the high-water mark above the bytes held when counting began.
// Off during the throughput runs, so that no parser pays for it there.
namespace {

std::atomic<bool> counting{false};
std::atomic<int64_t> heapBytes{0};
std::atomic<int64_t> heapPeak{0};

void Count(int64_t delta) {
  if (!counting.load(std::memory_order_relaxed)) return;
  int64_t now = heapBytes += delta;
  int64_t peak = heapPeak.load();
  while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
  }
}

void* CountedMalloc(size_t size) {
  void* block = std::malloc(size);
  if (block) Count(static_cast<int64_t>(malloc_usable_size(block)));
  return block;
}

void CountedFree(void* block) {
  if (block) Count(-static_cast<int64_t>(malloc_usable_size(block)));
  std::free(block);
}

void* CountedRealloc(void* block, size_t size) {
  int64_t before = block ? static_cast<int64_t>(malloc_usable_size(block)) : 0;
  void* grown = std::realloc(block, size);
  if (grown) Count(static_cast<int64_t>(malloc_usable_size(grown)) - before);
  return grown;
}

char* CountedStrdup(const char* text) {
  size_t length = std::strlen(text) + 1;
  char* copy = static_cast<char*>(CountedMalloc(length));
  if (copy) std::memcpy(copy, text, length);
  return copy;
}

}  // namespace

// The replaced operator new takes its blocks from malloc, so operator delete may free them.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(size_t size) {
  void* block = CountedMalloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  return block;
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return CountedMalloc(size ? size : 1); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return CountedMalloc(size ? size : 1); }
void operator delete(void* block) noexcept { CountedFree(block); }
void operator delete[](void* block) noexcept { CountedFree(block); }
void operator delete(void* block, size_t) noexcept { CountedFree(block); }
void operator delete[](void* block, size_t) noexcept { CountedFree(block); }

namespace {

// ---- Inputs.

constexpr size_t kGeneratedSize = 64u << 20;

// A uVision-like project of at least kGeneratedSize bytes: targets with option blocks of
// short leaf elements, groups of files, attributes, entities, comments and one CDATA.
std::string GenerateProject() {
  std::string text =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
      "<Project xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:noNamespaceSchemaLocation=\"project_proj.xsd\">\n"
      "  <SchemaVersion>1.1</SchemaVersion>\n  <Header>### uVision Project</Header>\n  <Targets>\n";
  for (int target = 0; text.size() < kGeneratedSize; ++target) {
    std::string n = std::to_string(target);
    text += "    <Target>\n      <TargetName>Target " + n + "</TargetName>\n      <ToolsetNumber>0x4</ToolsetNumber>\n";
    text += "      <TargetOption>\n        <TargetCommonOption>\n";
    for (int option = 0; option < 40; ++option) {
      std::string o = std::to_string(option);
      text += "          <Option" + o + ">" + std::to_string(option * 7919 % 1000) + "</Option" + o + ">\n";
    }
    text += "          <Device>STM32F103RB</Device>\n          <Vendor>STMicroelectronics</Vendor>\n";
    text += "          <Cpu>IRAM(0x20000000-0x20004FFF) IROM(0x8000000-0x801FFFF) CLOCK(8000000) CPUTYPE(\"Cortex-M3\")</Cpu>\n";
    text += "          <Define>USE_STDPERIPH_DRIVER, STM32F10X_MD &amp; VECT_TAB</Define>\n";
    text += "          <!-- generated -->\n          <Misc><![CDATA[--cpu Cortex-M3 <raw>]]></Misc>\n";
    text += "        </TargetCommonOption>\n      </TargetOption>\n      <Groups>\n";
    for (int group = 0; group < 4; ++group) {
      text += "        <Group>\n          <GroupName>Group " + std::to_string(group) + "</GroupName>\n          <Files>\n";
      for (int file = 0; file < 12; ++file) {
        std::string f = std::to_string(group * 12 + file);
        text += "            <File kind=\"source\">\n              <FileName>file" + f + ".c</FileName>\n";
        text += "              <FileType>1</FileType>\n              <FilePath>..\\src\\file" + f + ".c</FilePath>\n";
        text += "            </File>\n";
      }
      text += "          </Files>\n        </Group>\n";
    }
    text += "      </Groups>\n    </Target>\n";
  }
  text += "  </Targets>\n</Project>\n";
  return text;
}

const std::string& Generated() {
  static const std::string text = GenerateProject();
  return text;
}

// The bytes of every uVision XML file of the corpus (ZRT_CORPUS_DIR).
const std::vector<std::string>& CorpusTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> result;
    const char* corpus = std::getenv("ZRT_CORPUS_DIR");
    if (!corpus) return result;
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
      std::string extension = entry.path().extension().string();
      if (extension == ".uvproj" || extension == ".uvopt" || extension == ".uvprojx") paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
      std::ifstream in(path, std::ios::binary);
      result.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return result;
  }();
  return texts;
}

// ---- Parse plus walk, one function per parser; each returns a checksum of what it read.

size_t OursParseAndWalk(const std::string& text) {
  zrt::CXmlDocument document;
  document.ParseText(text.c_str());
  size_t sum = 0;
  while (document.FindElement()) {
    sum += document.GetElementTagName(document.GetCurrentPosition()).size();
    size_t depth = 1;
    while (depth > 0) {
      if (document.FindChildElement()) {
        sum += document.GetChildTagName().size() + document.GetChildText().size();
        document.EnterElement();
        ++depth;
      } else if (--depth > 0) {
        document.LeaveElement();
      }
    }
  }
  return sum;
}

// The data of a pugixml element as ours defines it: text and CDATA when it has no child element.
size_t PugiDataLength(pugi::xml_node element) {
  size_t length = 0;
  for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element) return 0;
    length += std::strlen(child.value());
  }
  return length;
}

size_t PugiParseAndWalk(const std::string& text) {
  pugi::xml_document document;
  document.load_buffer(text.data(), text.size());
  size_t sum = 0;
  pugi::xml_node node = document.first_child();
  while (node) {
    if (node.type() == pugi::node_element) {
      sum += std::strlen(node.name()) + PugiDataLength(node);
      if (pugi::xml_node child = node.first_child()) {
        node = child;
        continue;
      }
    }
    while (node && !node.next_sibling()) node = node.parent();
    if (node) node = node.next_sibling();
  }
  return sum;
}

size_t LibxmlDataLength(const xmlNode* element) {
  size_t length = 0;
  for (const xmlNode* child = element->children; child; child = child->next) {
    if (child->type == XML_ELEMENT_NODE) return 0;
    if (child->content) length += std::strlen(reinterpret_cast<const char*>(child->content));
  }
  return length;
}

size_t LibxmlParseAndWalk(const std::string& text) {
  xmlDoc* document = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                   XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_NOERROR);
  size_t sum = 0;
  const xmlNode* node = xmlDocGetRootElement(document);
  while (node) {
    if (node->type == XML_ELEMENT_NODE) {
      sum += std::strlen(reinterpret_cast<const char*>(node->name)) + LibxmlDataLength(node);
      if (node->children) {
        node = node->children;
        continue;
      }
    }
    while (node && !node->next && node->parent && node->parent->type != XML_DOCUMENT_NODE) node = node->parent;
    node = node ? node->next : nullptr;
  }
  xmlFreeDoc(document);
  return sum;
}

using ParseAndWalk = size_t (*)(const std::string&);

void OnGenerated(benchmark::State& state, ParseAndWalk parseAndWalk) {
  const std::string& text = Generated();
  size_t checksum = 0;
  for (auto _ : state) benchmark::DoNotOptimize(checksum = parseAndWalk(text));
  state.counters["checksum"] = static_cast<double>(checksum);  // equal for the three parsers
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void OnCorpus(benchmark::State& state, ParseAndWalk parseAndWalk) {
  const std::vector<std::string>& texts = CorpusTexts();
  if (texts.empty()) {
    state.SkipWithError("corpus not found; set ZRT_CORPUS_DIR");
    return;
  }
  size_t bytes = 0;
  for (auto _ : state) {
    for (const std::string& text : texts) {
      benchmark::DoNotOptimize(parseAndWalk(text));
      bytes += text.size();
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

// ---- Peak heap while the parsed 64 MiB document is held (text copy plus index).

template <typename Parse>
void ReportPeak(benchmark::State& state, Parse parse) {
  const std::string& text = Generated();
  for (auto _ : state) {
    heapBytes = 0;
    heapPeak = 0;
    counting = true;
    parse(text);
    counting = false;
    state.counters["peak_MiB"] = static_cast<double>(heapPeak) / (1 << 20);
    state.counters["text_MiB"] = static_cast<double>(text.size()) / (1 << 20);
  }
}

void BM_PeakMemory_Ours(benchmark::State& state) {
  ReportPeak(state, [](const std::string& text) {
    zrt::CXmlDocument document;
    document.ParseText(text.c_str());
    benchmark::DoNotOptimize(document.GetRecords().NextFree());
  });
}

void BM_PeakMemory_Pugixml(benchmark::State& state) {
  ReportPeak(state, [](const std::string& text) {
    pugi::xml_document document;
    document.load_buffer(text.data(), text.size());
    benchmark::DoNotOptimize(document.first_child());
  });
}

void BM_PeakMemory_Libxml2(benchmark::State& state) {
  ReportPeak(state, [](const std::string& text) {
    xmlDoc* document = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                     XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_NOERROR);
    xmlFreeDoc(document);
  });
}

BENCHMARK_CAPTURE(OnGenerated, Ours, OursParseAndWalk)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_CAPTURE(OnGenerated, Pugixml, PugiParseAndWalk)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_CAPTURE(OnGenerated, Libxml2, LibxmlParseAndWalk)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_CAPTURE(OnCorpus, Ours, OursParseAndWalk)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(OnCorpus, Pugixml, PugiParseAndWalk)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK_CAPTURE(OnCorpus, Libxml2, LibxmlParseAndWalk)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_PeakMemory_Ours)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory_Pugixml)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory_Libxml2)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Keep freed heap mapped: otherwise glibc returns it after every document and each parser
  // pays page faults for memory a program loading one project never gives back.
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  // pugixml and libxml2 allocate through these, so their heap is counted like ours.
  pugi::set_memory_management_functions(CountedMalloc, CountedFree);
  xmlMemSetup(CountedFree, CountedMalloc, CountedRealloc, CountedStrdup);
  xmlInitParser();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  xmlCleanupParser();
  return 0;
}
