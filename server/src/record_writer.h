#pragma once
// Builds the drawing stream the client renders: one record per call, each a
// two-letter code and its argument followed by the separator byte 31.
// Coordinates are display units (0..511); the stream has no way to write a
// negative number, so values are clamped at 0. Text is sent as Windows-1252.

#include <QByteArray>
#include <QString>

namespace quorlak::server {

class RecordWriter {
public:
    static constexpr char kSeparator = 31;

    void clearScreen();
    void pause(int milliseconds);
    void moveTo(int x, int y);
    void point(int x, int y);
    void line(int x0, int y0, int x1, int y1);
    void box(int x0, int y0, int x1, int y1);
    void fillBox(int x0, int y0, int x1, int y1);
    void clearRect(int x0, int y0, int x1, int y1);
    void circle(int cx, int cy, int radius);
    void text(const QString& text);
    void textOver(const QString& text);  // clears behind the text first
    void eraseInput(int fromCharacter);
    void placeInput(int x, int y, int length);
    void returnToInput();
    void defineGlyph(int number, const QByteArray& digits);
    void drawPicture(int number);

    void textAt(int x, int y, const QString& text);

    QByteArray take();
    const QByteArray& bytes() const { return bytes_; }
    bool isEmpty() const { return bytes_.isEmpty(); }

private:
    void record(const char* code, const QByteArray& argument = {});
    static QByteArray pointArg(int x, int y);
    static QByteArray rectArg(int x0, int y0, int x1, int y1);
    static QByteArray delimited(const QString& text);

    QByteArray bytes_;
};

// Windows-1252 bytes for the text; control characters and characters the code
// page lacks become '?', so a separator can never leak into a record.
QByteArray toWindows1252(const QString& text);

}  // namespace quorlak::server
