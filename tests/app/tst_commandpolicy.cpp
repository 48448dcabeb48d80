// Which commands run in which state: the menus' availability and the refusals during a run
// come from this one rule.
#include "app/CommandPolicy.h"

#include <QTest>

using namespace tuk;

Q_DECLARE_METATYPE(tuk::ToolKey)

class TestCommandPolicy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void allowed_data() {
        QTest::addColumn<ToolKey>("key");
        // Allowed when idle with images and pages, idle with neither, and while making.
        QTest::addColumn<bool>("idleWithBoth");
        QTest::addColumn<bool>("idleWithNone");
        QTest::addColumn<bool>("making");
        QTest::newRow("copy") << ToolKey::Copy << true << true << true;
        QTest::newRow("make") << ToolKey::HtmlMake << true << false << false;
        QTest::newRow("view") << ToolKey::HtmlView << true << false << false;
        for (ToolKey key : {ToolKey::Exit, ToolKey::Refresh, ToolKey::Target, ToolKey::Save,
                            ToolKey::Default, ToolKey::About})
            QTest::newRow(qPrintable(ToolKeyName(key))) << key << true << true << false;
    }
    void allowed() {
        QFETCH(ToolKey, key);
        QFETCH(bool, idleWithBoth);
        QFETCH(bool, idleWithNone);
        QFETCH(bool, making);
        QCOMPARE(CommandAllowed(key, {false, true, true}), idleWithBoth);
        QCOMPARE(CommandAllowed(key, {false, false, false}), idleWithNone);
        // A run starts with the pages of the last one unavailable.
        QCOMPARE(CommandAllowed(key, {true, true, false}), making);
    }
};

QTEST_APPLESS_MAIN(TestCommandPolicy)
#include "tst_commandpolicy.moc"
