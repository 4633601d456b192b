// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace corvel {

// The transcript's view: what it copies holds shortened lines whole.
class TranscriptView : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    [[nodiscard]] QMimeData *createMimeDataFromSelection() const override;
};

} // namespace corvel
