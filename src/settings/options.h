#pragma once

#include <QDialog>

#include <array>
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
// whenever it needs a value.
class options : public QDialog {
    Q_OBJECT
public:
    explicit options(SettingsStore &settings, QWidget *parent = nullptr);
    ~options() override;

    // Opens a freshly loaded panel, or brings the one already open to the front.
    static options *openOnce(SettingsStore &settings, QWidget *parent);

public Q_SLOTS:
    void HideWith_sender();
    void AClearWith_sender();
    void InvertWith_sender();
    void NotifyWith_sender();
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

    // A text field, its key and the text it showed when the panel loaded.
    struct LoadedText {
        QLineEdit *field;
        QStringView key;
        QString shown;
    };

    std::unique_ptr<Ui::options> m_ui;
    SettingsStore &m_settings;
    std::vector<LoadedText> m_texts; // in the order Apply stores them
};

} // namespace corvel
