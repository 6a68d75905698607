// Draws the application's simple interface images. Run once by hand when an
// image changes; the PNG files it writes are committed beside it.
//   g++ -fPIC generate.cpp $(pkg-config --cflags --libs Qt5Gui) -o /tmp/kv-image-gen
//   QT_QPA_PLATFORM=offscreen /tmp/kv-image-gen .
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

static void save(const QString &dir, const QString &name, int size,
                 const std::function<void(QPainter &, qreal)> &draw)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p, size / 32.0);
    p.end();
    image.save(dir + "/" + name, "PNG");
}

static void glyph(QPainter &p, const QRectF &r, const QString &text, const QColor &color, int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixels);
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

static void vault(QPainter &p, qreal s, const QColor &body, const QColor &door)
{
    p.setPen(QPen(body.darker(150), 1.2 * s));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2 * s, 3 * s, 28 * s, 26 * s), 3 * s, 3 * s);
    p.setBrush(door);
    p.drawEllipse(QPointF(16 * s, 16 * s), 8 * s, 8 * s);
    p.setPen(QPen(body.darker(150), 1.6 * s));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(16 * s, 16 * s);
        p.rotate(45 + 90 * i);
        p.drawLine(QPointF(0, 0), QPointF(0, 7 * s));
        p.restore();
    }
    p.setBrush(body.darker(150));
    p.drawEllipse(QPointF(16 * s, 16 * s), 2 * s, 2 * s);
}

static void folder(QPainter &p, qreal s, bool open)
{
    const QColor yellow(0xf2, 0xc1, 0x4e);
    p.setPen(QPen(yellow.darker(150), 1 * s));
    p.setBrush(yellow.darker(115));
    p.drawRoundedRect(QRectF(2 * s, 6 * s, 12 * s, 6 * s), 1.5 * s, 1.5 * s);
    p.drawRect(QRectF(2 * s, 9 * s, 28 * s, 19 * s));
    p.setBrush(yellow);
    if (open) {
        QPolygonF front;
        front << QPointF(6 * s, 14 * s) << QPointF(31 * s, 14 * s) << QPointF(27 * s, 28 * s)
              << QPointF(2 * s, 28 * s);
        p.drawPolygon(front);
    } else {
        p.drawRect(QRectF(2 * s, 12 * s, 28 * s, 16 * s));
    }
}

static void page(QPainter &p, qreal s, const QPointF &at)
{
    QPainterPath sheet;
    sheet.moveTo(at + QPointF(0, 0));
    sheet.lineTo(at + QPointF(13 * s, 0));
    sheet.lineTo(at + QPointF(18 * s, 5 * s));
    sheet.lineTo(at + QPointF(18 * s, 23 * s));
    sheet.lineTo(at + QPointF(0, 23 * s));
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1 * s));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setPen(QPen(QColor(0x90, 0xa8, 0xc8), 1.2 * s));
    for (int i = 0; i < 4; ++i)
        p.drawLine(at + QPointF(3 * s, (9 + 4 * i) * s), at + QPointF(15 * s, (9 + 4 * i) * s));
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    save(dir, "vault.png", 64, [](QPainter &p, qreal s) { vault(p, s, QColor(0x3b, 0x5b, 0x8c), QColor(0xc9, 0xd3, 0xe0)); });
    save(dir, "vlmr_vault.png", 64, [](QPainter &p, qreal s) { vault(p, s, QColor(0x2e, 0x7d, 0x4f), QColor(0xd8, 0xe8, 0xc8)); });
    save(dir, "vault_error.png", 64, [](QPainter &p, qreal s) {
        vault(p, s, QColor(0x8c, 0x8c, 0x8c), QColor(0xdd, 0xdd, 0xdd));
        p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 3 * s, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6 * s, 7 * s), QPointF(26 * s, 25 * s));
        p.drawLine(QPointF(26 * s, 7 * s), QPointF(6 * s, 25 * s));
    });
    save(dir, "error_32.png", 32, [](QPainter &p, qreal s) {
        p.setPen(QPen(QColor(0x90, 0x10, 0x10), 1 * s));
        p.setBrush(QColor(0xd8, 0x24, 0x24));
        p.drawEllipse(QPointF(16 * s, 16 * s), 14 * s, 14 * s);
        glyph(p, QRectF(0, 0, 32 * s, 32 * s), "!", Qt::white, int(22 * s));
    });
    save(dir, "help2.png", 32, [](QPainter &p, qreal s) {
        p.setPen(QPen(QColor(0x1a, 0x4f, 0x9c), 1 * s));
        p.setBrush(QColor(0x2f, 0x74, 0xd0));
        p.drawEllipse(QPointF(16 * s, 16 * s), 14 * s, 14 * s);
        glyph(p, QRectF(0, 0, 32 * s, 32 * s), "?", Qt::white, int(22 * s));
    });
    save(dir, "stick_32.png", 32, [](QPainter &p, qreal s) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1 * s));
        p.setBrush(QColor(0xb8, 0xb8, 0xb8));
        p.drawRect(QRectF(11 * s, 2 * s, 10 * s, 8 * s));
        p.setBrush(QColor(0x2a, 0x6a, 0xc0));
        p.drawRoundedRect(QRectF(8 * s, 10 * s, 16 * s, 20 * s), 3 * s, 3 * s);
        p.setBrush(QColor(0x30, 0x30, 0x30));
        p.drawRect(QRectF(13 * s, 4 * s, 2 * s, 2 * s));
        p.drawRect(QRectF(17 * s, 4 * s, 2 * s, 2 * s));
    });
    save(dir, "harddrive_32.png", 32, [](QPainter &p, qreal s) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1 * s));
        p.setBrush(QColor(0x9a, 0xa0, 0xa8));
        p.drawRoundedRect(QRectF(2 * s, 9 * s, 28 * s, 15 * s), 3 * s, 3 * s);
        p.setBrush(QColor(0x3a, 0xd0, 0x50));
        p.drawEllipse(QPointF(25 * s, 19 * s), 1.8 * s, 1.8 * s);
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.2 * s));
        p.drawLine(QPointF(6 * s, 14 * s), QPointF(18 * s, 14 * s));
    });
    save(dir, "network_32.png", 32, [](QPainter &p, qreal s) {
        p.setPen(QPen(QColor(0x1d, 0x5e, 0x8a), 1.6 * s));
        p.setBrush(QColor(0x7c, 0xc0, 0xe8));
        p.drawEllipse(QPointF(16 * s, 16 * s), 13 * s, 13 * s);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16 * s, 16 * s), 6 * s, 13 * s);
        p.drawLine(QPointF(3 * s, 16 * s), QPointF(29 * s, 16 * s));
        p.drawLine(QPointF(16 * s, 3 * s), QPointF(16 * s, 29 * s));
    });
    save(dir, "refresh_32.png", 32, [](QPainter &p, qreal s) {
        const QColor green(0x2e, 0x9a, 0x3c);
        p.setPen(QPen(green, 4 * s, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(5 * s, 5 * s, 22 * s, 22 * s), 100 * 16, 250 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        QPolygonF head;
        head << QPointF(14 * s, 0) << QPointF(22 * s, 6 * s) << QPointF(14 * s, 12 * s);
        p.drawPolygon(head);
    });
    save(dir, "openfolder.png", 32, [](QPainter &p, qreal s) { folder(p, s, true); });
    save(dir, "closedfolder.png", 32, [](QPainter &p, qreal s) { folder(p, s, false); });
    save(dir, "file_24.png", 24, [](QPainter &p, qreal s) { page(p, s * 32 / 24.0 * 0.75, QPointF(3, 0.5)); });
    save(dir, "files_24.png", 24, [](QPainter &p, qreal s) {
        const qreal k = s * 32 / 24.0 * 0.75 * 0.85;
        page(p, k, QPointF(1, 0.5));
        page(p, k, QPointF(6, 3.5));
    });
    return 0;
}
