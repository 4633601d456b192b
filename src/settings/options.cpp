// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/options.h"

#include "desktop/autostart.h"
#include "net/destinations.h"
#include "net/lan_interfaces.h"
#include "platform/trace.h"
#include "settings/keys.h"
#include "settings/login_name.h"
#include "settings/settings_store.h"
#include "ui_options.h"
#include "widgets/stepper.h"

#include <QPointer>

#include <charconv>

using namespace Qt::StringLiterals;

namespace corvel {

namespace {

// The shortest plain decimal that reads back as the same 32-bit float: 0.9 shows as "0.9", not
// as the 0.899999976 that widening it would give.
void setFloatValue(QLineEdit *field, float value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    field->setText(QString::fromLatin1(buffer.data(), result.ptr - buffer.data()));
}

float floatValue(const QLineEdit *field)
{
    return field->text().toFloat();
}

} // namespace

options::options(SettingsStore &settings, LearnedSendersQuestion learned, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::options>()), m_settings(settings), m_learned(std::move(learned))
{
    m_ui->setupUi(this);
    connect(m_ui->HideMode, &QCheckBox::clicked, this, &options::HideWith_sender);
    connect(m_ui->ClearMode, &QCheckBox::clicked, this, &options::AClearWith_sender);
    connect(m_ui->invertCheck, &QCheckBox::clicked, this, &options::InvertWith_sender);
    connect(m_ui->NotifyMode, &QCheckBox::clicked, this, &options::NotifyWith_sender);
    connect(m_ui->LearnMode, &QCheckBox::clicked, this, &options::LearnWith_sender);
    connect(m_ui->AutostartMode, &QCheckBox::clicked, this, &options::AutostartWith_sender);
    connect(m_ui->DelayStep, &Stepper::stepped, this, &options::DelayStep);
    connect(m_ui->OptStep, &Stepper::stepped, this, &options::OptStep);
    connect(m_ui->cmdApply, &QPushButton::clicked, this, &options::cmdApply);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &options::reject);
    viewDidLoad();
}

options::~options() = default;

options *options::openOnce(SettingsStore &settings, const LearnedSendersQuestion &learned, QWidget *parent)
{
    static QPointer<options> open;
    // A closed panel is on its way out; the next opening shows the store as it is now.
    if (open.isNull() || !open->isVisible()) {
        open = new options(settings, learned, parent);
        connect(open, &QDialog::finished, open, &QObject::deleteLater);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

void options::viewDidLoad()
{
    m_ui->stepDelay->setReadOnly(true);
    m_ui->stepOpticity->setReadOnly(true);

    const bool hide = m_settings.boolForKey(keys::hide);
    m_ui->HideMode->setChecked(hide);
    setOkPresetEnabled(hide);
    m_ui->ClearMode->setChecked(m_settings.boolForKey(keys::autoClear));
    m_ui->invertCheck->setChecked(m_settings.boolForKey(keys::inverted));
    m_ui->NotifyMode->setChecked(m_settings.notifications());
    m_ui->LearnMode->setChecked(m_settings.learnSenders());
    m_ui->AutostartMode->setVisible(autostart::available());
    m_ui->AutostartMode->setChecked(autostart::isOn());

    loadStep(m_ui->stepOpticity, m_ui->OptStep, keys::alpha);
    loadStep(m_ui->stepDelay, m_ui->DelayStep, keys::delay);

    loadText(m_ui->txtUser, keys::username, m_settings.userName());
    const std::array fields = {m_ui->txtPS1, m_ui->txtPS2, m_ui->txtPS3, m_ui->txtPS4, m_ui->txtPS5,
                               m_ui->txtPS6, m_ui->txtPS7, m_ui->txtPS8, m_ui->txtPS9};
    for (std::size_t i = 0; i < fields.size(); ++i)
        loadText(fields[i], keys::presets[i], m_settings.stringForKey(keys::presets[i]).value_or(QString()));
    loadText(m_ui->okPreset, keys::okPreset, m_settings.okPreset());
    loadText(m_ui->txtDestinations, keys::destinations,
             m_settings.stringForKey(keys::destinations).value_or(QString()));
    showNetworks();
}

// Where the user's lines go: the LANs, and how many hosts beyond them, which the tooltip names.
void options::showNetworks()
{
    const QList<Lan> lans = lansOf(systemInterfaces());
    const std::optional<QList<QHostAddress>> destinations =
        parseDestinations(m_settings.stringForKey(keys::destinations).value_or(QString()));
    QStringList beyond;
    for (const QHostAddress &destination : destinations.value_or(QList<QHostAddress>()))
        beyond.append(tr("%1 (a destination)").arg(destination.toString()));
    const std::vector<LearnedSenders::Heard> learned = m_learned ? m_learned() : std::vector<LearnedSenders::Heard>();
    const Seconds now = steadyNow();
    for (const LearnedSenders::Heard &known : learned) {
        const QString address = QHostAddress(known.address).toString();
        if (!destinations.value_or(QList<QHostAddress>()).contains(QHostAddress(known.address)))
            beyond.append(tr("%1 (wrote %n s ago)", nullptr, int((now - known.at).count())).arg(address));
    }
    m_ui->labNetworks->setText(lans.isEmpty() ? tr("none") : describeLans(lans));
    m_ui->labBeyondLan->setText(tr("%n host(s)", nullptr, int(beyond.size())));
    m_ui->labBeyondLan->setToolTip(beyond.isEmpty() ? tr("Your messages go to no host beyond the LAN")
                                                    : tr("Your messages also go to:") + u'\n' + beyond.join(u'\n'));
}

void options::loadText(QLineEdit *field, QStringView key, const QString &text)
{
    field->setText(text);
    m_texts.push_back({field, key, text});
}

// A key that holds nothing takes the stepper's starting value, and so does a 0 that the stepper
// cannot show: the window ignores an opacity that low. A "Delay" of 0 is a choice and stays.
void options::loadStep(QLineEdit *field, Stepper *stepper, QStringView key)
{
    const float noted = stepper->floatValue();
    const float stored = m_settings.floatForKey(key);
    if (!m_settings.holdsValue(key) || (stored == 0.0F && stepper->minimum() > 0.0)) {
        m_settings.setFloat(key, noted);
        return;
    }
    stepper->setValue(static_cast<double>(stored));
    setFloatValue(field, stored);
}

void options::applyStep(QLineEdit *field, const Stepper *stepper, QStringView key)
{
    setFloatValue(field, stepper->floatValue());
    m_settings.setFloat(key, floatValue(field));
}

std::optional<bool> options::takeSwitch(const QCheckBox *box, QStringView key, QStringView offTrace,
                                        QStringView onTrace)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        trace(offTrace);
        m_settings.setBool(key, false);
        return false;
    case Qt::Checked:
        trace(onTrace);
        m_settings.setBool(key, true);
        return true;
    case Qt::PartiallyChecked:
        trace(u"mixed");
        break;
    }
    return std::nullopt;
}

void options::setOkPresetEnabled(bool enabled)
{
    m_ui->okPreset->setEnabled(enabled);
    QPalette palette = m_ui->okPreset->palette();
    palette.setColor(QPalette::Base, enabled ? QColor(Qt::white) : QColor(Qt::gray));
    // The usual pale text of a disabled field would vanish on grey, and a dark theme's light text
    // on white: the text stays readable in both states.
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x30, 0x30, 0x30));
    m_ui->okPreset->setPalette(palette);
}

void options::HideWith_sender()
{
    if (const auto on = takeSwitch(m_ui->HideMode, keys::hide, u"dont Hide", u"Hide"))
        setOkPresetEnabled(*on);
}

void options::AClearWith_sender()
{
    takeSwitch(m_ui->ClearMode, keys::autoClear, u"dont autoClear", u"autoClear");
}

void options::InvertWith_sender()
{
    takeSwitch(m_ui->invertCheck, keys::inverted, u"not inverted", u"inerted");
}

void options::NotifyWith_sender()
{
    takeSwitch(m_ui->NotifyMode, keys::notifications, u"dont notify", u"notify");
}

void options::LearnWith_sender()
{
    takeSwitch(m_ui->LearnMode, keys::learnSenders, u"dont learn senders", u"learn senders");
}

// No settings key: the entry in the autostart folder is the setting, so the box shows what is on
// disk, also after a write that failed.
void options::AutostartWith_sender()
{
    const bool on = m_ui->AutostartMode->isChecked();
    trace(on ? u"autostart" : u"dont autostart");
    autostart::turn(on);
    m_ui->AutostartMode->setChecked(autostart::isOn());
}

void options::DelayStep()
{
    applyStep(m_ui->stepDelay, m_ui->DelayStep, keys::delay);
}

void options::OptStep()
{
    applyStep(m_ui->stepOpticity, m_ui->OptStep, keys::alpha);
}

// Only what the user changed here is written: a second panel of the same user, open at the same
// time, keeps what it applied.
void options::cmdApply()
{
    // A bad entry stores nothing at all, and the panel stays open with the reason.
    if (QString why; !parseDestinations(m_ui->txtDestinations->text(), &why)) {
        m_ui->labDestinationsRefused->setText(tr("Destinations not applied: %1").arg(why));
        m_ui->labDestinationsRefused->show();
        m_ui->txtDestinations->setFocus();
        return;
    }
    // An empty name becomes the login name before the changes are taken, so that a name stored
    // empty is replaced even when the field was left as it showed.
    if (m_ui->txtUser->text().isEmpty())
        m_ui->txtUser->setText(loginName());
    std::vector<const LoadedText *> changed;
    for (const LoadedText &text : m_texts) {
        if (text.field->text() != text.shown)
            changed.push_back(&text);
    }
    const SettingsStore::Batch batch(m_settings);
    for (const LoadedText *text : changed)
        m_settings.setString(text->key, text->field->text());
    accept();
}

} // namespace corvel
