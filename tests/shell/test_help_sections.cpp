// The help document has a section for every menu of the menu bar and for every feature listed
// in data/help-sections.txt, each linked from its contents: a menu or a feature without its
// section fails here.
#include "shell/MainMenu.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Section {
    QString anchor;
    QString menu;  // empty for a feature
};

std::vector<Section> RequiredSections()
{
    QFile file(QStringLiteral(VKR_HELP_SECTIONS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << VKR_HELP_SECTIONS;
    std::vector<Section> sections;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype bar = line.indexOf(u'|');
        sections.push_back({bar < 0 ? line : line.left(bar).trimmed(), bar < 0 ? QString() : line.mid(bar + 1).trimmed()});
    }
    return sections;
}

QString HelpDocument()
{
    QFile file(QStringLiteral(VKR_HELP_DOCUMENT));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << VKR_HELP_DOCUMENT;
    return QString::fromUtf8(file.readAll());
}

TEST(HelpSections, EveryMenuAndFeatureHasASectionLinkedFromTheContents)
{
    const std::vector<Section> sections = RequiredSections();
    ASSERT_FALSE(sections.empty());
    const QString html = HelpDocument();
    ASSERT_FALSE(html.isEmpty());

    QSet<QString> targets;  // every anchor the document defines
    const QRegularExpression anchor(QStringLiteral(R"re((?:name|id)="([^"]+)")re"));
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        targets.insert(it.next().captured(1));
    QSet<QString> seen;
    for (const Section& s : sections) {
        SCOPED_TRACE(s.anchor.toStdString());
        EXPECT_FALSE(seen.contains(s.anchor)) << "listed twice";
        seen.insert(s.anchor);
        EXPECT_TRUE(targets.contains(s.anchor)) << "no section";
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"#%1\"").arg(s.anchor))) << "not in the contents";
    }

    // Every menu of the menu bar (those shown at start) has its line, and that line names it.
    QStringList menus;
    for (const KtMenuItem& item : KtMainMenuItems())
        if (item.depth == 0 && !item.hidden && item.kind == KtMenuKind::Submenu)
            menus << QString::fromUtf8(item.caption);
    ASSERT_FALSE(menus.isEmpty());
    for (const QString& menu : menus) {
        const bool listed = std::any_of(sections.begin(), sections.end(), [&](const Section& s) { return s.menu == menu; });
        EXPECT_TRUE(listed) << menu.toStdString() << " has no line in help-sections.txt";
    }
    for (const Section& s : sections) {
        if (!s.menu.isEmpty()) {
            EXPECT_TRUE(menus.contains(s.menu)) << s.menu.toStdString() << " is no menu of the menu bar";
        }
    }
}

} // namespace
