#include "files/filestestsupport.h"
#include "ui/layoutfilecommands.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zef;
using namespace zef::test;

namespace {

// Load over unsaved work asks first; each answer decides what happens to both layouts.
struct LoadQuestionCase {
    const char* name;
    bool modified;
    std::optional<MessageAnswer> answer; // nothing: no question expected
    bool expectLoaded;
    bool expectSaved;
};

class LoadQuestionTest : public ::testing::TestWithParam<LoadQuestionCase> {};

} // namespace

TEST_P(LoadQuestionTest, AnswersDecide) {
    const LoadQuestionCase& c = GetParam();
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.xml"));
    ASSERT_TRUE(
        writeFile(other, layoutXml("Edge 1030", {"<LayoutElement type=\"3\" text=\"loaded\"/>"})));
    const QString mine = dir.filePath(QStringLiteral("mine.xml"));

    Session s(deviceIndex("Edge 1030"));
    LayoutElement sep(KindSeparator);
    sep.text = QStringLiteral("mine");
    s.add({sep});
    s.document.setFileName(mine);
    if (!c.modified) s.document.markSaved();

    s.platform.openFileNames.push_back(other);
    if (c.answer) s.platform.answers.push_back(*c.answer);
    openLayoutDialog(s.document, false);

    const int questions = static_cast<int>(
        s.platform.messageTexts().count(QStringLiteral("Do you want to save your changes?")));
    EXPECT_EQ(questions, c.answer ? 1 : 0);
    ASSERT_FALSE(s.document.elements().empty());
    EXPECT_EQ(s.document.elements()[0].text,
              c.expectLoaded ? QStringLiteral("loaded") : QStringLiteral("mine"));
    EXPECT_EQ(QFile::exists(mine), c.expectSaved);
}

INSTANTIATE_TEST_SUITE_P(
    Load, LoadQuestionTest,
    ::testing::Values(LoadQuestionCase{"unmodified", false, std::nullopt, true, false},
                      LoadQuestionCase{"yes", true, MessageAnswer::Yes, true, true},
                      LoadQuestionCase{"no", true, MessageAnswer::No, true, false},
                      LoadQuestionCase{"cancel", true, MessageAnswer::Cancel, false, false}),
    [](const auto& info) { return std::string(info.param.name); });
