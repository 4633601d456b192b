#include "settings/keys.h"
#include "settings/settings_store.h"
#include "window/Window.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using corvel::SettingsStore;
using corvel::Window;

class WindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void background_data();
    void background();
    void setOnceAtLoad();
    void floatsAndStaysOpen();

private:
    [[nodiscard]] std::unique_ptr<Window> loadedWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
};

void WindowTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<SettingsStore>(m_dir->filePath(u"corvel.ini"_s));
}

void WindowTest::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

std::unique_ptr<Window> WindowTest::loadedWindow()
{
    auto window = std::make_unique<Window>(*m_store, std::make_unique<QLabel>(u"chat"_s));
    window->windowDidLoad();
    return window;
}

void WindowTest::background_data()
{
    QTest::addColumn<bool>("storeAlpha");
    QTest::addColumn<float>("alpha");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<int>("grey");

    const auto fallback = static_cast<double>(0.9F);
    QTest::newRow("empty store") << false << 0.0F << false << fallback << 217;
    QTest::newRow("the floor itself") << true << 0.1F << false << fallback << 217;
    QTest::newRow("just above the floor") << true << 0.100001F << false << double(0.100001F) << 217;
    QTest::newRow("negative") << true << -0.5F << false << fallback << 217;
    QTest::newRow("0.15 widened, not rounded") << true << 0.15F << false << double(0.15F) << 217;
    QTest::newRow("opaque") << true << 1.0F << false << 1.0 << 217;
    QTest::newRow("above opaque") << true << 1.5F << false << 1.0 << 217;
    QTest::newRow("inverted, empty store") << false << 0.0F << true << fallback << 0;
    QTest::newRow("inverted, 0.5") << true << 0.5F << true << 0.5 << 0;
}

void WindowTest::background()
{
    QFETCH(bool, storeAlpha);
    QFETCH(float, alpha);
    QFETCH(bool, inverted);
    QFETCH(double, opacity);
    QFETCH(int, grey);
    if (storeAlpha)
        m_store->setFloat(corvel::keys::alpha, alpha);
    m_store->setBool(corvel::keys::inverted, inverted);

    const auto window = loadedWindow();

    QCOMPARE(window->backgroundAlpha(), opacity);
    QCOMPARE(window->backgroundColour().rgb(), qRgb(grey, grey, grey));
    QVERIFY(qAbs(window->backgroundColour().alphaF() - opacity) < 1e-4);

    // What is painted is that colour, with the content on top of it not filling the background.
    const QRgb painted =
        window->window()->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied).pixel(0, 0);
    QVERIFY2(qAbs(qAlpha(painted) - opacity * 255) <= 1, qPrintable(QString::number(qAlpha(painted))));
    QVERIFY2(qAbs(qRed(painted) - grey * opacity) <= 1, qPrintable(QString::number(qRed(painted))));
}

void WindowTest::setOnceAtLoad()
{
    m_store->setFloat(corvel::keys::alpha, 0.5F);
    const auto window = loadedWindow();
    window->window()->show();

    m_store->setFloat(corvel::keys::alpha, 0.3F);
    m_store->setBool(corvel::keys::inverted, true);
    window->window()->update();
    QCoreApplication::processEvents();

    QCOMPARE(window->backgroundAlpha(), 0.5);
    QCOMPARE(window->backgroundColour().rgb(), qRgb(217, 217, 217));
}

void WindowTest::floatsAndStaysOpen()
{
    const auto window = loadedWindow();
    QWidget *frame = window->window();
    QVERIFY(frame->isWindow());
    QVERIFY(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(frame->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(frame->findChild<QLabel *>() != nullptr);

    frame->show();
    window->close();
    QCoreApplication::processEvents();
    QVERIFY(frame->isVisible());
}

QTEST_MAIN(WindowTest)
#include "test_window.moc"
