#include "settings/keys.h"
#include "settings/settings_store.h"
#include "window/Window.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

using namespace corvel;

class WindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Decided once at load: later changes of the settings wait for the next start.
    void backgroundDecidedOnceAtLoad()
    {
        // Stored alpha (0: none), inverted, then the exact double: the float widened, not rounded.
        const QList<std::tuple<float, bool, double>> rows = {
            {0.0F, false, double(0.9F)}, {0.1F, false, double(0.9F)}, {0.15F, false, double(0.15F)},
            {1.5F, false, 1.0},          {0.5F, true, 0.5},
        };
        for (const auto &[alpha, inverted, opacity] : rows) {
            const QTemporaryDir dir;
            SettingsStore store(dir.filePath(QStringLiteral("corvel.ini")));
            if (alpha != 0.0F)
                store.setFloat(keys::alpha, alpha);
            store.setBool(keys::inverted, inverted);
            auto content = std::make_unique<QLabel>();
            content->setWindowTitle(QStringLiteral("Corvel"));
            Window window(store, std::move(content));
            window.windowDidLoad();
            QCOMPARE(window.window()->windowTitle(), QStringLiteral("Corvel"));
            QVERIFY(window.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            store.setFloat(keys::alpha, 0.3F);
            store.setBool(keys::inverted, !inverted);
            QCOMPARE(window.backgroundAlpha(), opacity);
            QCOMPARE(window.backgroundColour().rgb(), inverted ? qRgb(0, 0, 0) : qRgb(217, 217, 217));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
