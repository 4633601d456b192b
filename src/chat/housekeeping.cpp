// SPDX-License-Identifier: GPL-3.0-or-later
#include "chat/ViewController.h"

#include "platform/application.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/settings_store.h"
#include "widgets/stepper.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

constexpr Seconds farewellDelay{5.0};
// Beyond this the message field stops growing with the transcript.
constexpr int largestMessageFont = 31;
constexpr int messageFontCap = 30;

} // namespace

void ViewController::cmdClearClicked()
{
    clear();
    stopFlash();
}

void ViewController::clear()
{
    trace(u"clear");
    m_transcript.replace(u"  "_s);
}

void ViewController::cmdSize()
{
    size();
    stopFlash();
}

void ViewController::size()
{
    txtSize->setText(QString::number(static_cast<int>(stepFontSize->value())));
    const int points = txtSize->text().toInt();
    m_transcript.setPointSize(points);
    QFont messageFont = txtMsg->font();
    messageFont.setPointSize(points >= messageFontCap ? largestMessageFont : points);
    txtMsg->setFont(messageFont);
    for (Style *style : {&styleMe, &styleNotMe, &styleSys})
        style->pointSize = points;
    m_transcript.scrollToEnd();
    m_defaults.setInteger(keys::fontSize, points);
}

void ViewController::ClearAllData()
{
    clearDefaults();
}

void ViewController::clearDefaults()
{
    for (const keys::Key &key : keys::all) {
        if (key.removedByClearAllData)
            m_defaults.remove(key.name);
    }
    clear();
    m_transcript.replace(u" SYSTEM  >  All data has been cleared. Corvel will close in "_s % u"5"_s % u" seconds"_s);
    m_loop.after(farewellDelay, this, [this] { m_application.terminate(); });
}

void ViewController::ExitNow()
{
    quit();
}

// Exit means exit: the trace, then the program ends.
void ViewController::quit()
{
    trace(u"im quiting");
    m_application.terminate();
}

} // namespace corvel
