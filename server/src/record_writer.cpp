#include "record_writer.h"

#include <array>

namespace quorlak::server {

namespace {

constexpr int kLargestCoordinate = 32767;

int coordinate(int value) { return qBound(0, value, kLargestCoordinate); }

// Code points of Windows-1252 bytes 0x80..0x9F (0 where the byte is unused).
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toByte(char16_t c) {
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] != 0 && kWindows1252High[i] == c) return char(0x80 + i);
    }
    return '?';
}

}  // namespace

QByteArray toWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) bytes.append(toByte(c.unicode()));
    return bytes;
}

void RecordWriter::record(const char* code, const QByteArray& argument) {
    bytes_.append(code);
    bytes_.append(argument);
    bytes_.append(kSeparator);
}

QByteArray RecordWriter::pointArg(int x, int y) {
    return '(' + QByteArray::number(coordinate(x)) + ',' + QByteArray::number(coordinate(y)) + ')';
}

QByteArray RecordWriter::rectArg(int x0, int y0, int x1, int y1) { return pointArg(x0, y0) + '-' + pointArg(x1, y1); }

QByteArray RecordWriter::delimited(const QString& text) {
    // The client drops the first and the last character unseen, so quotes
    // inside the text need no escaping.
    return '"' + toWindows1252(text) + '"';
}

void RecordWriter::clearScreen() { record("cs"); }
void RecordWriter::pause(int milliseconds) { record("pz", QByteArray::number(qMax(0, milliseconds))); }
void RecordWriter::moveTo(int x, int y) { record("lc", pointArg(x, y)); }
void RecordWriter::point(int x, int y) { record("ps", pointArg(x, y)); }
void RecordWriter::line(int x0, int y0, int x1, int y1) { record("ln", rectArg(x0, y0, x1, y1)); }
void RecordWriter::box(int x0, int y0, int x1, int y1) { record("bx", rectArg(x0, y0, x1, y1)); }
void RecordWriter::fillBox(int x0, int y0, int x1, int y1) { record("fx", rectArg(x0, y0, x1, y1)); }
void RecordWriter::clearRect(int x0, int y0, int x1, int y1) { record("cr", rectArg(x0, y0, x1, y1)); }

void RecordWriter::circle(int cx, int cy, int radius) {
    record("ce", pointArg(cx, cy) + ',' + QByteArray::number(coordinate(radius)));
}

void RecordWriter::text(const QString& text) { record("pt", delimited(text)); }
void RecordWriter::textOver(const QString& text) { record("po", delimited(text)); }
void RecordWriter::eraseInput(int fromCharacter) { record("bs", QByteArray::number(qMax(1, fromCharacter))); }

void RecordWriter::placeInput(int x, int y, int length) { record("cu", pointArg(x, y) + '-' + pointArg(length, 0)); }

void RecordWriter::returnToInput() { record("cu", "XXX"); }

void RecordWriter::defineGlyph(int number, const QByteArray& digits) {
    // Two-digit number, one filler character, then one digit per pixel.
    record("cd", QByteArray::number(number).rightJustified(2, '0') + ':' + digits);
}

void RecordWriter::drawPicture(int number) { record("cw", QByteArray::number(number)); }

void RecordWriter::textAt(int x, int y, const QString& text) {
    moveTo(x, y);
    this->text(text);
}

QByteArray RecordWriter::take() {
    QByteArray out;
    out.swap(bytes_);
    return out;
}

}  // namespace quorlak::server
