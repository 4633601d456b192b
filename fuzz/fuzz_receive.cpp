// Each input is one datagram as it comes off the network, fed to a started chat window on a fake
// network and virtual time. The first byte picks the state the datagram meets; the rest
// is the payload, bytes as they are.
#include "net/utf8.h"
#include "net/wire.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "support/chat_copy.h"

#include <QApplication>
#include <QLineEdit>

#include <array>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace corvel;
using namespace corvel::test;

namespace {

// Bits of the first byte. The top two are ignored, so '@' to DEL name every state in readable seeds.
enum Variation : unsigned {
    NameBits = 0x03U,
    Flashing = 0x04U,    // a call or flash command came before
    CallPending = 0x08U, // this copy called and its echo is still on the way
    AutoHide = 0x10U,    // auto-hide mode; otherwise the application is hidden
    OwnLineOpen = 0x20U, // this copy has just sent a line
};

// User names that hold the tags decide what the copy's own answers and acknowledgements mean.
const std::array<QString, 4> userNames = {u"ann"_s, u"<online?>"_s, u"<flash>"_s, u"x IS ONLINE<clear>"_s};

// A presence answer, whatever the name, never asks for answers itself.
void checkClassification(QByteArrayView payload)
{
    const std::optional<QString> text = decodeUtf8(payload);
    if (text && wire::classify(wire::presenceAnswer(*text), *text) == wire::MessageKind::PresenceRequest)
        std::abort();
}

// One copy for the whole run: setting a window up costs far more than a datagram. Each input
// first brings it back to a calm state, so an input replays nearly alike on its own.
struct Lan {
    Lan()
    {
        copy.settings.setFloat(keys::delay, 1);
        copy.start();
        loop.advance(Seconds(1));
    }
    ManualMainLoop loop;
    FakeNetwork network{loop};
    ChatCopy copy{network, loop, userNames[0]};
};

void receiveOnce(unsigned variation, const QByteArray &payload)
{
    // Never destroyed: the run ends in exit(), and Qt's font caches only stay reachable while the
    // window and the application live.
    static Lan &lan = *new Lan;
    ChatCopy &copy = lan.copy;
    // The store writes its file at every change, so it is told only what differs.
    if (const QString &name = userNames[variation & NameBits]; copy.settings.userName() != name)
        copy.settings.setString(keys::username, name);
    if (const bool autoHide = (variation & AutoHide) != 0; copy.settings.boolForKey(keys::hide) != autoHide)
        copy.settings.setBool(keys::hide, autoHide);
    copy.controller->stopFlash();
    lan.loop.advance(Seconds(0.2));
    copy.controller->clear();

    copy.application.hidden = (variation & AutoHide) == 0;
    // Goes out first, so that it meets the state set up below before any echo of it.
    lan.network.inject(payload);
    if ((variation & CallPending) != 0)
        copy.controller->call();
    if ((variation & Flashing) != 0)
        copy.controller->flash();
    if ((variation & OwnLineOpen) != 0) {
        copy.outlet("txtMsg")->setText(u"hi"_s);
        copy.controller->cmdSendClicked();
    }

    // Long enough for a flash phase, the own-line window and an auto-hide to run their course.
    lan.loop.advance(Seconds(1.6));
    // Whoever sits there acts, which acknowledges a call or flash the datagram started.
    copy.controller->mouseDown();
    lan.loop.advance(Seconds(0.2));
    // The copy's own four sends at most (an acknowledgement on calming down, the own line, the send
    // button's acknowledgement, the final one), each a request when the name holds the presence
    // tag, its call, and the answer to the datagram: anything beyond is a chain of answers.
    constexpr qsizetype mostSends = 4 * 2 + 2;
    if (lan.network.traffic.size() > mostSends)
        std::abort();
    lan.network.traffic.clear();
    copy.socket.sent.clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt takes the arguments it knows out of argv; libFuzzer's own must stay where they are.
    static int qtArgc = 1;
    static std::array<char *, 2> qtArgv = {(*argv)[0], nullptr};
    [[maybe_unused]] static auto *application = new QApplication(qtArgc, qtArgv.data());
    setTraceSink([](QStringView) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned variation = size > 0 ? data[0] : 0U;
    const QByteArray payload =
        size > 1 ? QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)) : QByteArray();
    checkClassification(payload);
    receiveOnce(variation, payload);
    return 0;
}
