// The game's own UTF-8 conversions, held against Qt's: what a terminal or a
// file hands the game, and what the game hands back, comes out the same,
// malformed bytes and lone surrogates included.
#include "core/utf8.h"

#include <QTest>

namespace {

QString DeUnidades(const std::u16string& texto)
{
    return QString(reinterpret_cast<const QChar*>(texto.data()), qsizetype(texto.size()));
}

} // namespace

class TestUtf8 : public QObject {
    Q_OBJECT

private slots:
    // Every sequence of up to three bytes whose first byte starts one, and
    // every byte alone, read as Qt reads it.
    void lecturaComoLaDeQt()
    {
        std::string bytes;
        const auto comprobar = [&] {
            const QString qt = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
            QVERIFY2(DeUnidades(Utf16(bytes)) == qt, QByteArray(bytes.data(), qsizetype(bytes.size())).toHex().constData());
        };
        for (int primero = 0; primero < 256; ++primero) {
            bytes = {char(primero)};
            comprobar();
            for (int segundo = 0; segundo < 256; ++segundo) {
                bytes = {char(primero), char(segundo), 'x'};
                comprobar();
                if (primero < 0xE0)
                    continue;
                for (int tercero = 0x70; tercero < 0xC8; ++tercero) {
                    bytes = {char(primero), char(segundo), char(tercero), char(0x80), 'x'};
                    comprobar();
                }
            }
        }
    }

    // Every code point, and every lone surrogate, written as Qt writes it.
    void escrituraComoLaDeQt()
    {
        for (char32_t punto = 0; punto <= 0x10FFFF; ++punto) {
            const QString letra = punto <= 0xFFFF ? QString(QChar(char16_t(punto))) : QString::fromUcs4(&punto, 1);
            const std::u16string unidades(reinterpret_cast<const char16_t*>(letra.utf16()), std::size_t(letra.size()));
            QVERIFY2(Utf8(unidades + u'x') == (letra + u'x').toStdString(), qPrintable(QString::number(quint32(punto), 16)));
        }
        // A high surrogate at the end, or before anything but a low one.
        QCOMPARE(Utf8(u"a\xD800"), (QString(u'a') + QChar(0xD800)).toStdString());
        QCOMPARE(Utf8(u"\xDC00\xD800"), (QString(QChar(0xDC00)) + QChar(0xD800)).toStdString());
    }
};

QTEST_APPLESS_MAIN(TestUtf8)
#include "test_utf8.moc"
