// The Linux front end's own resources: translations of the core's texts, and
// icons.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QTranslator>
#include <filesystem>

#include "engine/result_code.h"
#include "engine/text.h"
#include "tests/support/own_folder.h"
#include "tool/core/country_names.h"

namespace zelvo {
namespace {

TEST(TranslationTest, GermanReplacesMessagesAndCountryNames) {
  QTranslator german;
  ASSERT_TRUE(german.load(QStringLiteral("ZelvoTool-DEU.qm"), QStringLiteral(ZELVO_TOOL_DIR)));
  QCoreApplication::installTranslator(&german);
  const auto country = [](int id) {
    return QCoreApplication::translate("CountryName", CountryEnglishName(id));
  };
  const auto message = [](int code) {
    return QCoreApplication::translate("ResultText", ResultText(code));
  };
  EXPECT_EQ(country(83), "Deutschland");
  EXPECT_EQ(message(42), "Es konnte keine Internetverbindung hergestellt werden.");
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(country(83), "Germany");
  EXPECT_EQ(message(32), "Item not found");
}

// The toolbar's arrows are the tool's own, not the icon theme's, which a
// system may lack.
TEST(ToolbarIconTest, ArrowsAreShippedWithTheTool) {
  for (const char* name : {":/icons/go-back.png", ":/icons/go-forward.png"}) {
    const QImage icon(QString::fromLatin1(name));
    EXPECT_EQ(icon.size(), QSize(16, 16)) << name;
  }
}

}  // namespace
}  // namespace zelvo

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return zelvo::testing::RunTestsInOwnFolder();
}
