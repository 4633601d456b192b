// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/learned_senders.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace corvel {

class SettingsStore;
class Stepper;

namespace Ui {
class options;
}

// The preferences panel. Switches and steppers write to the store at once; the texts only on
// Apply, which also closes the panel. It never talks to the chat window, which reads the store
// whenever it needs a value; it only asks which hosts beyond the LAN the socket sends to.
class options : public QDialog {
    Q_OBJECT
public:
    using LearnedSendersQuestion = std::function<std::vector<LearnedSenders::Heard>()>;

    explicit options(SettingsStore &settings, LearnedSendersQuestion learned = {}, QWidget *parent = nullptr);
    ~options() override;

    // Opens a freshly loaded panel, or brings the one already open to the front.
    static options *openOnce(SettingsStore &settings, const LearnedSendersQuestion &learned, QWidget *parent);

public Q_SLOTS:
    void HideWith_sender();
    void AClearWith_sender();
    void InvertWith_sender();
    void NotifyWith_sender();
    void LearnWith_sender();
    void AutostartWith_sender();
    void DelayStep();
    void OptStep();
    void cmdApply();

private:
    void viewDidLoad();
    void loadStep(QLineEdit *field, Stepper *stepper, QStringView key);
    void applyStep(QLineEdit *field, const Stepper *stepper, QStringView key);
    // The state the box has just taken: stored and traced; nothing for a mixed state.
    std::optional<bool> takeSwitch(const QCheckBox *box, QStringView key, QStringView offTrace, QStringView onTrace);
    void setOkPresetEnabled(bool enabled);
    void loadText(QLineEdit *field, QStringView key, const QString &text);
    void showNetworks();

    // A text field, its key and the text it showed when the panel loaded.
    struct LoadedText {
        QLineEdit *field;
        QStringView key;
        QString shown;
    };

    std::unique_ptr<Ui::options> m_ui;
    SettingsStore &m_settings;
    LearnedSendersQuestion m_learned;
    std::vector<LoadedText> m_texts; // in the order Apply stores them
};

} // namespace corvel
