#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace corvel {

class ChatScene;

// Why a document could not be saved or read.
struct DocumentError {
    QString domain;
    int code = 0;
    friend bool operator==(const DocumentError &, const DocumentError &) = default;
};

// The program keeps no documents: a Document only brings up the chat window, and all state lives
// in the settings store.
class Document {
public:
    Document();
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    [[nodiscard]] static bool autosavesInPlace() { return false; }

    // Creates the chat window: its frame, its view and its controller, loaded and shown.
    void makeWindowControllers();
    // The program was launched again: its window comes back to the front.
    void reopen();

    // Saving and reading always fail with this error.
    [[nodiscard]] static DocumentError unsupported();
    [[nodiscard]] std::optional<QByteArray> dataOfType(const QString &typeName, DocumentError *error) const;
    [[nodiscard]] bool readFromData(const QByteArray &data, const QString &typeName, DocumentError *error);

private:
    std::unique_ptr<ChatScene> m_scene;
};

} // namespace corvel
