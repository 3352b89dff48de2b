#include "app/text_encoding.h"

#include "model/ascii.h"
#include "model/texts1251.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cctype>
#include <map>
#include <utility>

namespace velmora {

namespace {

struct CodePageName {
    int Number;
    const char* Encoding;
};

// The code pages of the "Codepage=" line that the program can decode.
constexpr std::array<CodePageName, 19> CodePageNames{{
    {437, "IBM437"},        {850, "IBM850"},        {852, "IBM852"},        {866, "IBM866"},
    {874, "windows-874"},   {932, "Shift_JIS"},     {936, "GBK"},           {949, "windows-949"},
    {950, "Big5"},          {1250, "windows-1250"}, {1251, "windows-1251"}, {1252, "windows-1252"},
    {1253, "windows-1253"}, {1254, "windows-1254"}, {1255, "windows-1255"}, {1256, "windows-1256"},
    {1257, "windows-1257"}, {1258, "windows-1258"}, {65001, "UTF-8"},
}};

QByteArray EncodingOfCodePage(int number) {
    for (const CodePageName& name : CodePageNames)
        if (name.Number == number) return QByteArray(name.Encoding);
    return DefaultTextEncoding;
}

// The decimal number at the start of value after optional blanks, or -1.
int LeadingNumber(std::string_view value) {
    value = TrimLeft(value);
    int number = -1;
    for (size_t i = 0; i < value.size() && std::isdigit(uint8_t(value[i])) && number < 100000; ++i)
        number = (number < 0 ? 0 : number * 10) + (value[i] - '0');
    return number;
}

} // namespace

QByteArray CodePageEncoding(const std::vector<std::string>& headerLines) {
    static constexpr std::string_view Key = "codepage=";
    for (const std::string& line : headerLines)
        if (StartsWithIgnoringAsciiCase(line, Key))
            return EncodingOfCodePage(LeadingNumber(std::string_view(line).substr(Key.size())));
    return DefaultTextEncoding;
}

QByteArray ChooseTextEncoding(std::string_view textBytes, const std::vector<std::string>& headerLines) {
    if (StartsWithUtf8Bom(textBytes) || IsUtf8Text(textBytes)) return Utf8Encoding;
    return CodePageEncoding(headerLines);
}

QString ReplacedCharactersMessage(const QByteArray& encoding) {
    return QCoreApplication::translate("TextEncoding",
                                       "Символы, которых нет в кодировке %1, заменены на «?».")
        .arg(QString::fromLatin1(encoding));
}

QString DecodeText(std::string_view bytes, const QByteArray& encoding) {
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid()) decoder = QStringDecoder(DefaultTextEncoding.constData());
    return decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

QString DecodeLine(std::string_view bytes, const QByteArray& encoding) {
    if (bytes == cp1251::NtMark || bytes == cp1251::OldMark) return DecodeText(bytes, DefaultTextEncoding);
    return DecodeText(bytes, encoding);
}

EncodedText EncodeText(const QString& text, const QByteArray& encoding) {
    QStringEncoder encoder(encoding.constData());
    if (!encoder.isValid()) encoder = QStringEncoder(DefaultTextEncoding.constData());
    QByteArray whole = encoder(text);
    if (!encoder.hasError()) return {whole.toStdString(), false};

    // Encode character by character so that exactly the characters without a code become "?".
    EncodedText result;
    result.Replaced = true;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single(encoding.constData());
        if (!single.isValid()) single = QStringEncoder(DefaultTextEncoding.constData());
        QByteArray one = single(QStringView(text).mid(i, length));
        result.Bytes += single.hasError() ? std::string("?") : one.toStdString();
        i += length;
    }
    return result;
}

EncodedLines EncodeEditedLines(const std::vector<std::string>& oldLines, const QStringList& newLines,
                               const QByteArray& encoding) {
    std::multimap<QString, const std::string*> unused;
    for (const std::string& line : oldLines)
        unused.emplace(DecodeLine(line, encoding), &line);

    EncodedLines result;
    result.Lines.reserve(size_t(newLines.size()));
    for (const QString& text : newLines) {
        auto old = unused.lower_bound(text);
        if (old != unused.end() && old->first == text) {
            result.Lines.push_back(*old->second);
            unused.erase(old);
            continue;
        }
        EncodedText encoded = EncodeText(text, encoding);
        result.Lines.push_back(std::move(encoded.Bytes));
        result.Replaced = result.Replaced || encoded.Replaced;
    }
    return result;
}

} // namespace velmora
