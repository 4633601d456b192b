// SPDX-License-Identifier: GPL-3.0-or-later
// Each input is one datagram off the network, fed to a started chat window on a fake network and
// virtual time. The first byte picks the state the datagram meets; the rest is the payload as it is.
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

// One copy for the whole run: setting a window up costs far more than a datagram. Each input
// first brings it back to a calm state, so an input replays nearly alike on its own.
void receiveOnce(unsigned variation, const QByteArray &payload)
{
    // Never destroyed: the run ends in exit(), and Qt's font caches stay reachable only while it lives.
    static Lan &lan = *[] {
        auto *made = new Lan({userNames[0]});
        (*made)[0].settings.setFloat(keys::delay, 1);
        return made;
    }();
    ChatCopy &copy = lan[0];
    // The store writes its file at every change: told only what differs.
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
    if ((variation & OwnLineOpen) != 0)
        copy.send(u"hi"_s);

    // Long enough for a flash phase, the own-line window and an auto-hide to run their course.
    lan.loop.advance(Seconds(1.6));
    // Whoever sits there acts, which acknowledges a call or flash the datagram started.
    copy.controller->mouseDown();
    lan.loop.advance(Seconds(0.2));
    // Four own sends at most (acknowledgements on calming down, of Return and at the end, the own
    // line), each doubled by a name holding the presence tag, its call and the answer to the
    // datagram: anything beyond is a chain of answers.
    if (lan.network.traffic.size() > 4 * 2 + 2)
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
    // A presence answer, whatever the name, never asks for answers itself.
    const std::optional<QString> text = decodeUtf8(payload);
    if (text && wire::classify(wire::presenceAnswer(*text), *text) == wire::MessageKind::PresenceRequest)
        std::abort();
    receiveOnce(variation, payload);
    return 0;
}
