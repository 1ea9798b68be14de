#pragma once
// Command-line arguments are bytes. Text is held as QString everywhere, so an argument's bytes
// that are no UTF-8 are kept as lone surrogates U+DC80..U+DCFF (one per byte) and turned back
// into the same bytes where they leave the program: a community or password given in another
// encoding reaches the agent as it was typed, not as U+FFFD.
#include <QByteArray>
#include <QString>

namespace platform {

// UTF-8 where the bytes are UTF-8; every other byte b (0x80..0xFF) becomes U+DC00 + b.
QString ArgumentText(const QByteArray& bytes);

// The inverse: UTF-8, with each lone surrogate U+DC80..U+DCFF back as its byte. Other lone
// surrogates, which no argument gives, are written as '?'.
QByteArray ArgumentBytes(const QString& text);

} // namespace platform
