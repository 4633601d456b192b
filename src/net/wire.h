// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The texts that travel between copies. Every copy, whatever its version, must understand every
// other, so each piece is exact to the byte, blanks and spelling included.
namespace corvel::wire {

inline constexpr QStringView chatPrefix = u"  ";
inline constexpr QStringView chatSeparator = u"    >    ";
inline constexpr QStringView systemPrefix = u" SYSTEM  >  ";
inline constexpr QStringView announcementPrefix = u"  SYSTEM  > ";
inline constexpr QStringView announcementTail = u" asked: Who is online? ";
inline constexpr QStringView presenceAnswerTail = u" IS ONLINE";
inline constexpr QStringView presenceNotice = u" SYSTEM  >  You are online";
inline constexpr QStringView presenceQueryLine = u" SYSTEM  >  <online?>";
inline constexpr QStringView callText = u" SYSTEM  >  CALLING";
inline constexpr QStringView acknowledgementHead = u" SYSTEM  >  Call recived by ";

inline constexpr QStringView presenceTag = u"<online?>";
inline constexpr QStringView flashTag = u"<flash>";
inline constexpr QStringView clearTag = u"<clear>";

// What receivers look for: the call without its leading blank, the acknowledgement head without
// its trailing blank.
inline constexpr QStringView callTest = u"SYSTEM  >  CALLING";
inline constexpr QStringView acknowledgementTest = u" SYSTEM  >  Call recived by";

[[nodiscard]] QString chatLine(QStringView user, QStringView message);
[[nodiscard]] QString queryAnnouncement(QStringView user);
[[nodiscard]] QString presenceAnswer(QStringView user);
// The name in a presence answer (system prefix, any name, " IS ONLINE"), or nothing for another text.
[[nodiscard]] std::optional<QString> presenceAnswerName(QStringView text);
[[nodiscard]] QString callAcknowledgement(QStringView user);
// Whether a text has the shape of those that copies send: a chat line (a name, the separator, the
// message) or a system text.
[[nodiscard]] bool hasCopyShape(QStringView text);
// Any text that holds the presence tag, but for a presence answer.
[[nodiscard]] bool isPresenceRequest(QStringView text);

enum class MessageKind {
    PresenceRequest,
    Call,
    Flash,
    Clear,
    CallAcknowledgement,
    OwnPresenceAnswer,
    SystemLine,
    ChatLine,
};

// Recognises a received text. The first matching test decides; a tag counts wherever it stands.
[[nodiscard]] MessageKind classify(QStringView text, QStringView localUser);

} // namespace corvel::wire
