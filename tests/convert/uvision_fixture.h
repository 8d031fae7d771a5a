// Small uVision projects written by the tests: an XML target from a few chosen values,
// and a .uv2 file from its lines.
#pragma once

#include <string>
#include <vector>

namespace zrt::testing {

inline std::string Element(const std::string& name, const std::string& data) {
  return "<" + name + ">" + data + "</" + name + ">";
}

// The values a test varies in an XML target; the rest is fixed.
struct XmlTarget {
  std::string name = "T1";
  std::string createExecutable = "1";
  std::string armAdsMisc = Element("BigEnd", "0") + Element("mOS", "0") + Element("useUlib", "0") +
                           Element("CodeSel", "0") + Element("OptFeed", "0");
  std::string optim = "1";
  std::string define;
  std::string misc;
  std::string textRange;
  std::string afterMake;
  std::string groups = "<Groups></Groups>";  // replaced whole; "" leaves the element out
};

inline std::string Controls(const std::string& define, const std::string& misc = "") {
  return Element("VariousControls", Element("MiscControls", misc) + Element("Define", define) + Element("Undefine", "") +
                                        Element("IncludePath", ""));
}

// A "Cads" block with the given Optim, Define and MiscControls.
inline std::string Cads(const std::string& optim, const std::string& define = "", const std::string& misc = "") {
  std::string flags;
  for (const char* name : {"interw", "Optim", "oTime", "SplitLS", "OneElfS", "Strict", "EnumInt", "PlainCh", "Ropi",
                           "Rwpi", "wLevel", "uThumb"}) {
    flags += Element(name, std::string(name) == "Optim" ? optim : "0");
  }
  return Element("Cads", flags + Controls(define, misc));
}

inline std::string Aads() {
  std::string flags;
  for (const char* name : {"interw", "Ropi", "Rwpi", "thumb", "SplitLS", "SwStkChk", "NoWarn"})
    flags += Element(name, "1");
  return Element("Aads", flags + Controls(""));
}

inline std::string XmlTargetText(const XmlTarget& t) {
  std::string common = Element("CreateExecutable", t.createExecutable) + Element("CreateHexFile", "1") +
                       Element("DebugInformation", "1") + Element("BrowseInformation", "0") +
                       Element("CreateBatchFile", "0") + Element("BeforeCompile", "") + Element("BeforeMake", "") +
                       Element("AfterMake", t.afterMake);
  std::string linker = Element("umfTarg", "1") + Element("Ropi", "0") + Element("Rwpi", "1") + Element("noStLib", "0") +
                       Element("RepFail", "1") + Element("useFile", "0") + Element("TextAddressRange", t.textRange) +
                       Element("DataAddressRange", "") + Element("ScatterFile", "") + Element("Misc", "") +
                       Element("DisabledWarnings", "6314");
  std::string armAds =
      Element("ArmAdsMisc", t.armAdsMisc) + Cads(t.optim, t.define, t.misc) + Aads() + Element("LDads", linker);
  return Element("Target",
                 Element("TargetName", t.name) +
                     Element("TargetOption", Element("TargetCommonOption", common) + Element("TargetArmAds", armAds)) +
                     t.groups);
}

inline std::string XmlProject(const std::vector<XmlTarget>& targets) {
  std::string text;
  for (const XmlTarget& target : targets) text += XmlTargetText(target);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Project>" +
         Element("Header", "### uVision Project, (C) Keil Software") + Element("Targets", text) + "</Project>";
}

// A group of files (paths), each file with the given option text ("" for none).
inline std::string XmlGroup(const std::string& name, const std::vector<std::pair<std::string, std::string>>& files,
                            const std::string& groupOption = "") {
  std::string list;
  for (const auto& [path, option] : files) {
    list += Element("File", Element("FileName", "x") + Element("FileType", "1") + Element("FilePath", path) + option);
  }
  return Element("Group", Element("GroupName", name) + groupOption + Element("Files", list));
}

inline std::string Excluded() { return Element("CommonProperty", Element("IncludeInBuild", "0")); }

// An option file marking one target current.
inline std::string XmlOptions(const std::string& marked) {
  return "<ProjectOpt>" +
         Element("Target", Element("TargetName", marked) +
                               Element("TargetOption", Element("OPTFL", Element("IsCurrentTarget", "1")))) +
         "</ProjectOpt>";
}

// A .uv2 target block with every keyword; lines may be replaced by a test.
inline std::string Uv2TargetBlock(int number, const std::string& extra = "") {
  return "Options " + std::to_string(number) +
         ",0,0  // Target\n"
         " GenApp=1\n GenHex=0\n Debug=1\n Browse=1\n"
         " RunUsr 0 1 <make.bat>\n RunUsr 1 0 <>\n BrunUsr 0 0 <>\n BrunUsr 1 0 <>\n CrunUsr 0 0 <>\n CrunUsr 1 0 <>\n"
         " GLFLAGS=1790\n ADSTFLGA { 1,0,0,18,0,4,0,66,0,0 }\n"
         " OCR_RVCT { 1,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,1,0,0,0,8,0,0,2,0,1,0,0,0,0,0,0,0,0,"
         "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,32,0,80,0,0,0,0,0,0,0,0,0,0,0 }\n"
         " ADSCCFLG { 17,32,32,4,0,0 }\n ADSCMISC ()\n ADSCDEFN (DEBUG,VER=2)\n ADSCINCD (..\\inc)\n"
         " ADSASFLG { 1,0,0,0 }\n ADSAMISC ()\n ADSADEFN ()\n ADSAINCD ()\n"
         " ADSLDFG { 17,0,0 }\n ADSLDTA (0x0800FC00)\n ADSLDDA (8192)\n ADSLDSC ()\n ADSLDMC (--first x)\n"
         " ADSLDDW (6314)\n" +
         extra + "EndOpt\n";
}

inline std::string Uv2Project(const std::string& body) {
  return "### uVision2 Project, (C) Keil Software\n### Do not modify !\n\n"
         "Target (T1), 0x0004 // Tools: 'ARM-ADS'\n\nGroup (A)\nGroup (B)\n\n"
         "File 2,1,<.\\main.c><main.c>\nFile 2,2,<.\\start.s><start.s>\n\n" +
         body;
}

}  // namespace zrt::testing
