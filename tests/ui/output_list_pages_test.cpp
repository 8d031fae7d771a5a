// The Output and Listing pages: OutName and OutList round trips, the captions with the
// resulting names, the folder picker, defaults, and the boxes that depend on others.
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "src/ui/list_page.h"
#include "src/ui/output_page.h"
#include "tests/ui/page_fixture.h"

namespace zrt {
namespace {

struct OutNameCase {
  const char* stored;
  const char* folder;  // as loaded
  const char* name;
  const char* typed;  // a new name; null: another change makes the page save
  const char* saved;
  const char* image;  // the two captions' path after typing, without extension
};

TEST_F(PageTest, OutputNameRoundTrips) {
  using namespace output_page;
  const OutNameCase cases[] = {
      {"0,.\\Debug\\app", ".\\Debug", "app", nullptr, "0,.\\Debug\\app", ".\\Debug\\app"},
      {"0,.\\Debug\\app", ".\\Debug", "app", "app2", "1,.\\Debug\\app2", ".\\Debug\\app2"},
      {"1,.\\Debug\\app", ".\\Debug", "app", "app", "1,.\\Debug\\app", ".\\Debug\\app"},
      {"app", "", "unkown", nullptr, "1,\\unkown", "\\unkown"},
  };
  for (const OutNameCase& c : cases) {
    SCOPED_TRACE(c.stored);
    testhost::SetValue(Section("ZRT_Output"), "OutName", c.stored);
    EXPECT_EQ(OnTab(kOutputTab,
                    [&](PageDriver& page) {
                      EXPECT_EQ(page.Text(kFolder), c.folder);
                      EXPECT_EQ(page.Text(kName), c.name);
                      c.typed ? page.Type(kName, c.typed) : page.Click(kBrowse);
                      EXPECT_EQ(page.Text(kExecutable), std::string("创建可执行文件:") + c.image + ".axf");
                      EXPECT_EQ(page.Text(kLibrary), std::string("创建库文件:") + c.image + ".lib");
                    }),
              2u);
    EXPECT_EQ(Value(Section("ZRT_Output"), "OutName"), c.saved);
  }
}

struct FolderCase {
  std::optional<std::string> answer;  // the picker's answer; nullopt cancels
  const char* shown;
  const char* outName;
  const char* outList;
  unsigned result;
};

TEST_F(PageTest, FolderPickerStoresTheFolderRelativeToTheProject) {
  const FolderCase cases[] = {
      {std::string("C:\\work\\out\\"), ".\\out", "1,.\\out\\app", "1,.\\out", 2},
      {std::string("D:\\elsewhere"), "D:\\elsewhere", "1,D:\\elsewhere\\app", "1,D:\\elsewhere", 2},
      {std::nullopt, ".\\Debug", "0,.\\Debug\\app", "0,.\\Debug", 0},
  };
  for (const FolderCase& c : cases) {
    SCOPED_TRACE(c.shown);
    testhost::SetValue(Section("ZRT_Output"), "OutName", "0,.\\Debug\\app");
    testhost::SetValue(Section("ZRT_Output"), "OutList", "0,.\\Debug");
    for (auto [tab, folder, button] : {std::tuple{kOutputTab, output_page::kFolder, output_page::kChooseFolder},
                                       std::tuple{kListingTab, list_page::kFolder, list_page::kChooseFolder}}) {
      EXPECT_EQ(OnTab(tab,
                      [&, folder = folder, button = button](PageDriver& page) {
                        page.sheet.QueueFolder(c.answer);
                        page.Click(button);
                        EXPECT_EQ(page.Text(folder), c.shown);
                      }),
                c.result);
    }
    EXPECT_EQ(Value(Section("ZRT_Output"), "OutName"), c.outName);
    EXPECT_EQ(Value(Section("ZRT_Output"), "OutList"), c.outList);
  }
}

TEST_F(PageTest, OutputDefaultsLeaveFolderAndName) {
  using namespace output_page;
  for (const char* key : {"OutBatch", "Browse"}) testhost::SetValue(Section("ZRT_Output"), key, "1");
  testhost::SetValue(Section("ZRT_Output"), "OutType", "2");
  testhost::SetValue(Section("ZRT_Output"), "OutHex", "2");
  testhost::SetValue(Section("ZRT_Output"), "OutName", "0,.\\Debug\\app");
  OnTab(kOutputTab, [](PageDriver& page) {
    page.Type(kName, "renamed");
    page.Click(IDC_DEFAULTS);
    EXPECT_EQ(std::vector<int>({page.Check(kDebug), page.Check(kBatch), page.Check(kBrowse), page.Check(kExecutable),
                                page.Check(kLibrary), page.Selection(kConversion)}),
              std::vector<int>({1, 0, 0, 1, 0, 0}));
    EXPECT_EQ(page.Text(kName), "renamed");
  });
  EXPECT_EQ(Value(Section("ZRT_Output"), "OutName"), "1,.\\Debug\\renamed");
}

TEST_F(PageTest, ListingCaptionsNameTheListingFiles) {
  using namespace list_page;
  testhost::SetValue(Section("ZRT_Output"), "OutList", "0,.\\Lst");
  testhost::SetValue(Section("ZRT_Output"), "OutName", "0,.\\Debug\\app");
  OnTab(kListingTab, [](PageDriver& page) {
    EXPECT_EQ(page.Text(kAsmListing), "汇编列表(&A):.\\Lst\\*.list");
    EXPECT_EQ(page.Text(kCompilerListing), "&C 编译列表:.\\Debug\\*.txt");
    EXPECT_EQ(page.Text(kLinkerBoxes[0]), "连接列表(&i):.\\Lst\\app.map");
  });
  testhost::SetValue(Section("ZRT_Output"), "OutName", "ab");
  testhost::SetValue(Section("ZRT_Output"), "OutList", ".\\Lst");
  OnTab(kListingTab, [](PageDriver& page) {
    EXPECT_EQ(page.Text(kLinkerBoxes[0]), "连接列表(&i):unkown\\Unkown.map");
    page.Click(kCompilerListing);
  });
  EXPECT_EQ(Value(Section("ZRT_Output"), "OutList"), "0,unkown");
}

TEST_F(PageTest, ListingBoxesFollowTheirToolsListingAndKeepTheirValues) {
  using namespace list_page;
  testhost::SetValue(Section("ZRT_Linker"), "List", "1,1,0,1,1,1,1,1,1");
  testhost::SetValue(Section("ZRT_AsmParam"), "List", "1,1");
  testhost::SetValue(Section("ZRT_CParam"), "List", "0");
  EXPECT_EQ(OnTab(kListingTab,
                  [](PageDriver& page) {
                    EXPECT_TRUE(page.Enabled(kAsmCrossReference));
                    page.Click(kLinkerBoxes[0]);
                    page.Click(kAsmListing);
                    page.Click(kCompilerListing);
                    for (int id : kLinkerBoxes) EXPECT_EQ(page.Enabled(id), id == kLinkerBoxes[0]) << id;
                    EXPECT_FALSE(page.Enabled(kAsmCrossReference));
                  }),
            2u);
  EXPECT_EQ(Value(Section("ZRT_Linker"), "List"), "0,1,0,1,1,1,1,1,1");
  EXPECT_EQ(Value(Section("ZRT_AsmParam"), "List"), "0,1");
  EXPECT_EQ(Value(Section("ZRT_CParam"), "List"), "1");
}

}  // namespace
}  // namespace zrt
