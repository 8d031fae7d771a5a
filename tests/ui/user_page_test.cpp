// The User page: empty commands, parentheses, one-slot values, the key order and the
// program picker.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "src/ui/user_page.h"
#include "tests/ui/page_fixture.h"

namespace zrt {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

struct UserCase {
  const char* name;
  Values stored;
  std::function<void(PageDriver&)> act;
  Values saved;
};

TEST_F(PageTest, UserCommandsAreStoredEscapedAndEnabledOnlyWithACommand) {
  const UserCase cases[] = {
      {"a checked box without a command is stored disabled",
       {},
       [](PageDriver& page) {
         page.Click(1009);
         page.Type(1018, "make");
         page.Click(1011);
       },
       {{"Mark", "stored"}, {"BfC", "0,()#1,(make)"}, {"AfB", "0,()#0,()"}, {"BfB", "0,()#0,()"}}},
      {"parentheses are stored as angle brackets and shown again",
       {{"AfB", "1,(copy <a>.bin)#0,()"}},
       [](PageDriver& page) {
         EXPECT_EQ(page.Text(1034), "copy (a).bin");
         page.Type(1017, "echo (x)");
         page.Click(1009);
       },
       {{"AfB", "1,(copy <a>.bin)#0,()"}, {"Mark", "stored"}, {"BfC", "1,(echo <x>)#0,()"}, {"BfB", "0,()#0,()"}}},
      {"a value without # sets only the first slot",
       {{"BfB", "1,(pre.bat)"}},
       [](PageDriver& page) {
         EXPECT_EQ(std::vector<int>({page.Check(1015), page.Check(1030)}), std::vector<int>({1, 0}));
         EXPECT_EQ(page.Text(1028) + "|" + page.Text(1031), "pre.bat|");
         page.Click(1030);
       },
       {{"BfB", "1,(pre.bat)#0,()"}, {"Mark", "stored"}, {"BfC", "0,()#0,()"}, {"AfB", "0,()#0,()"}}},
      {"a chosen program is made relative; a cancelled choice keeps the command",
       {{"AfB", "0,(old.bat)#0,()"}},
       [](PageDriver& page) {
         page.sheet.QueueFile(std::string("C:\\work\\tools\\gen.exe"));
         page.Click(1035);
         page.sheet.QueueFile(std::nullopt);
         page.Click(1038);
         page.Click(1033);
       },
       {{"AfB", "1,(.\\tools\\gen.exe)#0,()"}, {"Mark", "stored"}, {"BfC", "0,()#0,()"}, {"BfB", "0,()#0,()"}}},
  };
  for (const UserCase& c : cases) {
    SCOPED_TRACE(c.name);
    HostNode* user = Section("ZRT_User");
    HostNode* empty = testhost::NewNode("ZRT_User");
    testhost::CopyAttributes(user, empty);
    testhost::DeleteNode(empty);
    for (const auto& [key, value] : c.stored) testhost::SetValue(user, key, value);
    testhost::SetValue(user, "Mark", "stored");
    EXPECT_EQ(OnTab(kUserTab, c.act), 3u);
    EXPECT_EQ(testhost::Attributes(user), c.saved);
  }
}

}  // namespace
}  // namespace zrt
