#include "picturepainter.h"

#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>
#include <map>

namespace {

using namespace Look;

struct StateColours
{
    QColor fill;
    QColor outline;
    QColor glyph;
};

bool stateColours(const QString &state, StateColours *colours)
{
    static const std::map<QString, StateColours> table = {
        {QStringLiteral("normal"), {surface, border, text}},
        {QStringLiteral("hover"), {surfaceRaised, accent, accent}},
        {QStringLiteral("pressed"), {accentPressed, accentPressed, Qt::white}},
        {QStringLiteral("checked"), {accentDeep, accent, Qt::white}},
        // A status mark in the accent colour, without a button around it.
        {QStringLiteral("accent"), {Qt::transparent, Qt::transparent, accent}},
    };
    const auto it = table.find(state);
    if (it == table.end())
        return false;
    *colours = it->second;
    return true;
}

QRectF inset(const QRectF &rect, qreal by)
{
    return rect.adjusted(by, by, -by, -by);
}

void roundedBox(QPainter &p, const QRectF &rect, const QColor &fill, const QColor &outline,
                qreal radius)
{
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    p.drawRoundedRect(inset(rect, 0.5), radius, radius);
}

QPainterPath mouseOutline(const QRectF &box)
{
    // A symmetric mouse seen from above, its nose at the top.
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath path;
    path.moveTo(box.center().x(), box.top());
    path.cubicTo(box.left() + w * 0.05, box.top(), box.left(), box.top() + h * 0.25,
                 box.left(), box.top() + h * 0.45);
    path.lineTo(box.left(), box.top() + h * 0.7);
    path.cubicTo(box.left(), box.bottom(), box.left() + w * 0.2, box.bottom(), box.center().x(),
                 box.bottom());
    path.cubicTo(box.right() - w * 0.2, box.bottom(), box.right(), box.bottom(), box.right(),
                 box.top() + h * 0.7);
    path.lineTo(box.right(), box.top() + h * 0.45);
    path.cubicTo(box.right(), box.top() + h * 0.25, box.right() - w * 0.05, box.top(),
                 box.center().x(), box.top());
    return path;
}

// The button split and the wheel of a mouse drawn by mouseOutline.
QPainterPath mouseDetails(const QRectF &box)
{
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath path;
    path.moveTo(box.center().x(), box.top());
    path.lineTo(box.center().x(), box.top() + h * 0.38);
    path.moveTo(box.left(), box.top() + h * 0.4);
    path.quadTo(box.center().x(), box.top() + h * 0.46, box.right(), box.top() + h * 0.4);
    path.addRoundedRect(QRectF(box.center().x() - w * 0.06, box.top() + h * 0.1, w * 0.12,
                               h * 0.18),
                        w * 0.06, w * 0.06);
    return path;
}

using GlyphFunction = std::function<QPainterPath(const QRectF &)>;

QPainterPath chevron(const QRectF &b, qreal angleDegrees)
{
    QPainterPath path;
    path.moveTo(-0.25, -0.5);
    path.lineTo(0.25, 0);
    path.lineTo(-0.25, 0.5);
    QTransform t;
    t.translate(b.center().x(), b.center().y());
    t.scale(b.width() * 0.7, b.height() * 0.7);
    t.rotate(angleDegrees);
    return t.map(path);
}

const std::map<QString, GlyphFunction> &glyphs()
{
    static const std::map<QString, GlyphFunction> table = {
        {QStringLiteral("close"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.2);
             path.moveTo(r.topLeft());
             path.lineTo(r.bottomRight());
             path.moveTo(r.topRight());
             path.lineTo(r.bottomLeft());
             return path;
         }},
        {QStringLiteral("minimise"),
         [](const QRectF &b) {
             QPainterPath path;
             path.moveTo(b.left() + b.width() * 0.2, b.center().y() + b.height() * 0.15);
             path.lineTo(b.right() - b.width() * 0.2, b.center().y() + b.height() * 0.15);
             return path;
         }},
        {QStringLiteral("right"), [](const QRectF &b) { return chevron(b, 0); }},
        {QStringLiteral("down"), [](const QRectF &b) { return chevron(b, 90); }},
        {QStringLiteral("left"), [](const QRectF &b) { return chevron(b, 180); }},
        {QStringLiteral("up"), [](const QRectF &b) { return chevron(b, 270); }},
        {QStringLiteral("back"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.18);
             path.moveTo(r.right(), r.center().y());
             path.lineTo(r.left(), r.center().y());
             path.moveTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.1);
             path.lineTo(r.left(), r.center().y());
             path.lineTo(r.left() + r.width() * 0.4, r.bottom() - r.height() * 0.1);
             return path;
         }},
        {QStringLiteral("home"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.15);
             path.moveTo(r.left(), r.top() + r.height() * 0.45);
             path.lineTo(r.center().x(), r.top());
             path.lineTo(r.right(), r.top() + r.height() * 0.45);
             path.moveTo(r.left() + r.width() * 0.15, r.top() + r.height() * 0.35);
             path.lineTo(r.left() + r.width() * 0.15, r.bottom());
             path.lineTo(r.right() - r.width() * 0.15, r.bottom());
             path.lineTo(r.right() - r.width() * 0.15, r.top() + r.height() * 0.35);
             path.addRect(QRectF(r.center().x() - r.width() * 0.1, r.top() + r.height() * 0.65,
                                 r.width() * 0.2, r.height() * 0.35));
             return path;
         }},
        {QStringLiteral("sensor"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.15);
             path.addEllipse(inset(r, r.width() * 0.15));
             path.addEllipse(QRectF(r.center() - QPointF(r.width() * 0.08, r.width() * 0.08),
                                    QSizeF(r.width() * 0.16, r.width() * 0.16)));
             for (int i = 0; i < 4; ++i) {
                 QTransform t;
                 t.translate(r.center().x(), r.center().y());
                 t.rotate(90 * i);
                 path.moveTo(t.map(QPointF(0, -r.height() * 0.5)));
                 path.lineTo(t.map(QPointF(0, -r.height() * 0.25)));
             }
             return path;
         }},
        {QStringLiteral("macro"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.12);
             const QRectF keyboard(r.left(), r.top() + r.height() * 0.2, r.width(),
                                   r.height() * 0.6);
             path.addRoundedRect(keyboard, 3, 3);
             for (int row = 0; row < 2; ++row) {
                 for (int column = 0; column < 4; ++column) {
                     const QPointF key(keyboard.left() + keyboard.width() * (0.2 + 0.2 * column),
                                       keyboard.top() + keyboard.height() * (0.3 + 0.25 * row));
                     path.addRect(QRectF(key, QSizeF(1.5, 1.5)));
                 }
             }
             path.moveTo(keyboard.left() + keyboard.width() * 0.25,
                         keyboard.bottom() - keyboard.height() * 0.2);
             path.lineTo(keyboard.right() - keyboard.width() * 0.25,
                         keyboard.bottom() - keyboard.height() * 0.2);
             return path;
         }},
        {QStringLiteral("setting"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.15);
             const qreal outer = r.width() * 0.5;
             const qreal inner = r.width() * 0.36;
             QPolygonF gear;
             for (int i = 0; i < 32; ++i) {
                 const qreal angle = qDegreesToRadians(360.0 * i / 32);
                 const qreal radius = (i / 2) % 2 == 0 ? outer : inner;
                 gear << r.center() + QPointF(radius * qCos(angle), radius * qSin(angle));
             }
             gear << gear.first();
             path.addPolygon(gear);
             path.addEllipse(r.center(), r.width() * 0.14, r.width() * 0.14);
             return path;
         }},
        {QStringLiteral("light"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.15);
             path.addEllipse(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6,
                                    r.height() * 0.6));
             path.moveTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.75);
             path.lineTo(r.right() - r.width() * 0.38, r.top() + r.height() * 0.75);
             path.moveTo(r.left() + r.width() * 0.42, r.bottom());
             path.lineTo(r.right() - r.width() * 0.42, r.bottom());
             return path;
         }},
        {QStringLiteral("repair"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.2);
             path.moveTo(r.bottomLeft());
             path.lineTo(r.center() + QPointF(r.width() * 0.1, -r.height() * 0.1));
             path.addEllipse(QPointF(r.right() - r.width() * 0.22, r.top() + r.height() * 0.22),
                             r.width() * 0.2, r.height() * 0.2);
             return path;
         }},
        {QStringLiteral("usb"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.15);
             path.moveTo(r.center().x(), r.top());
             path.lineTo(r.center().x(), r.bottom() - r.height() * 0.1);
             path.addEllipse(QPointF(r.center().x(), r.bottom() - r.height() * 0.06),
                             r.width() * 0.08, r.width() * 0.08);
             path.moveTo(r.center().x(), r.top() + r.height() * 0.65);
             path.lineTo(r.left() + r.width() * 0.2, r.top() + r.height() * 0.45);
             path.lineTo(r.left() + r.width() * 0.2, r.top() + r.height() * 0.3);
             path.moveTo(r.center().x(), r.top() + r.height() * 0.55);
             path.lineTo(r.right() - r.width() * 0.2, r.top() + r.height() * 0.38);
             path.lineTo(r.right() - r.width() * 0.2, r.top() + r.height() * 0.25);
             path.moveTo(r.center().x() - r.width() * 0.1, r.top() + r.height() * 0.12);
             path.lineTo(r.center().x(), r.top());
             path.lineTo(r.center().x() + r.width() * 0.1, r.top() + r.height() * 0.12);
             return path;
         }},
        {QStringLiteral("wireless"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.1);
             const QPointF base(r.center().x(), r.bottom() - r.height() * 0.1);
             for (int i = 1; i <= 3; ++i) {
                 const qreal radius = r.width() * 0.16 * i;
                 const QRectF arc(base - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
                 path.arcMoveTo(arc, 45);
                 path.arcTo(arc, 45, 90);
             }
             path.addEllipse(base, r.width() * 0.05, r.width() * 0.05);
             return path;
         }},
        {QStringLiteral("offline"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.18);
             path.addEllipse(r);
             path.moveTo(r.left() + r.width() * 0.15, r.top() + r.height() * 0.15);
             path.lineTo(r.right() - r.width() * 0.15, r.bottom() - r.height() * 0.15);
             return path;
         }},
        {QStringLiteral("battery"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF body(b.left() + 1.5, b.top() + b.height() * 0.2, b.width() - 5,
                               b.height() * 0.6);
             path.addRoundedRect(body, 2, 2);
             path.addRect(QRectF(body.right(), body.center().y() - body.height() * 0.2, 2,
                                 body.height() * 0.4));
             return path;
         }},
        {QStringLiteral("charging"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.1);
             path.moveTo(r.left() + r.width() * 0.6, r.top());
             path.lineTo(r.left() + r.width() * 0.15, r.top() + r.height() * 0.55);
             path.lineTo(r.center().x(), r.top() + r.height() * 0.55);
             path.lineTo(r.left() + r.width() * 0.4, r.bottom());
             path.lineTo(r.right() - r.width() * 0.15, r.top() + r.height() * 0.45);
             path.lineTo(r.center().x(), r.top() + r.height() * 0.45);
             path.closeSubpath();
             return path;
         }},
        {QStringLiteral("plus"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.2);
             path.moveTo(r.center().x(), r.top());
             path.lineTo(r.center().x(), r.bottom());
             path.moveTo(r.left(), r.center().y());
             path.lineTo(r.right(), r.center().y());
             return path;
         }},
        {QStringLiteral("clock"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.width() * 0.1);
             path.addEllipse(r);
             path.moveTo(r.center().x(), r.top() + r.height() * 0.2);
             path.lineTo(r.center());
             path.lineTo(r.right() - r.width() * 0.25, r.center().y());
             return path;
         }},
        {QStringLiteral("profile"),
         [](const QRectF &b) {
             QPainterPath path;
             const QRectF r = inset(b, b.height() * 0.15);
             for (int i = 0; i < 3; ++i) {
                 const qreal y = r.top() + r.height() * (0.15 + 0.35 * i);
                 path.moveTo(r.left(), y);
                 path.lineTo(r.right(), y);
             }
             return path;
         }},
    };
    return table;
}

// Glyphs drawn filled instead of stroked.
bool isFilledGlyph(const QString &name)
{
    return name == QLatin1String("charging");
}

void drawGlyph(QPainter &p, const QString &name, const QRectF &box, const QColor &colour)
{
    const QPainterPath path = glyphs().at(name)(box);
    if (isFilledGlyph(name)) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
    } else {
        p.setPen(QPen(colour, qMax(1.5, box.width() / 12), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
    }
    p.drawPath(path);
}

QRectF glyphBox(const QString &glyph, const QSize &size)
{
    // The battery outline is as wide as its picture.
    if (glyph == QLatin1String("battery"))
        return QRectF(QPointF(0, 0), size);
    const qreal side = qMin(size.width(), size.height()) * 0.72;
    return QRectF((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

QFont badgeFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

using Drawing = std::function<bool(QPainter &, const ManifestEntry &, QString *)>;

bool unknownState(const ManifestEntry &entry, QString *error)
{
    *error = QStringLiteral("unknown state \"%1\"").arg(entry.argument(0));
    return false;
}

const std::map<QString, Drawing> &drawings()
{
    static const std::map<QString, Drawing> table = {
        {QStringLiteral("panel"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             // Square corners: the dialog's window is a plain rectangle.
             const QRectF r(QPointF(0, 0), e.size);
             roundedBox(p, r, background, border, 0);
             p.fillRect(QRectF(1, 1, r.width() - 2, 3), accent);
             return true;
         }},
        {QStringLiteral("page"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             QLinearGradient gradient(0, 0, 0, e.size.height());
             gradient.setColorAt(0, surface);
             gradient.setColorAt(0.12, background);
             gradient.setColorAt(1, background);
             p.fillRect(QRect(QPoint(0, 0), e.size), gradient);
             p.setPen(QPen(border, 1));
             p.drawRect(QRectF(0.5, 0.5, e.size.width() - 1, e.size.height() - 1));
             return true;
         }},
        {QStringLiteral("strip"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             p.fillRect(QRect(QPoint(0, 0), e.size), surface);
             p.setPen(QPen(border, 1));
             p.drawLine(QPointF(0, e.size.height() - 0.5),
                        QPointF(e.size.width(), e.size.height() - 0.5));
             return true;
         }},
        {QStringLiteral("button"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             StateColours colours;
             if (!stateColours(e.argument(0), &colours))
                 return unknownState(e, error);
             roundedBox(p, QRectF(QPointF(0, 0), e.size), colours.fill, colours.outline, 4);
             return true;
         }},
        {QStringLiteral("primary"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             const QString state = e.argument(0);
             if (state != QLatin1String("normal") && state != QLatin1String("pressed"))
                 return unknownState(e, error);
             const QColor fill = state == QLatin1String("normal") ? accentDeep : accentPressed;
             roundedBox(p, QRectF(QPointF(0, 0), e.size), fill, fill.lighter(120), 4);
             return true;
         }},
        {QStringLiteral("field"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             roundedBox(p, QRectF(QPointF(0, 0), e.size), surface, border, 4);
             return true;
         }},
        {QStringLiteral("icon"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             const QString glyph = e.argument(0);
             if (glyphs().count(glyph) == 0) {
                 *error = QStringLiteral("unknown glyph \"%1\"").arg(glyph);
                 return false;
             }
             const QString state = e.argument(1, QStringLiteral("normal"));
             StateColours colours;
             if (!stateColours(state, &colours)) {
                 *error = QStringLiteral("unknown state \"%1\"").arg(state);
                 return false;
             }
             const QRectF whole(QPointF(0, 0), e.size);
             if (state == QLatin1String("pressed")) {
                 roundedBox(p, whole, colours.fill, colours.outline, 4);
             } else if (state == QLatin1String("hover")) {
                 roundedBox(p, whole, surfaceRaised, surfaceRaised, 4);
             } else if (state == QLatin1String("checked")) {
                 p.fillRect(QRectF(whole.left() + whole.width() * 0.2, whole.bottom() - 3,
                                   whole.width() * 0.6, 3),
                            accent);
                 colours.glyph = accent;
             }
             drawGlyph(p, glyph, glyphBox(glyph, e.size), colours.glyph);
             return true;
         }},
        {QStringLiteral("checkbox"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             const bool on = e.argument(0) == QLatin1String("on");
             if (!on && e.argument(0) != QLatin1String("off"))
                 return unknownState(e, error);
             const QRectF box = inset(QRectF(QPointF(0, 0), e.size), 1);
             roundedBox(p, box, on ? accentDeep : surface, on ? accent : muted, 3);
             if (on) {
                 QPainterPath tick;
                 tick.moveTo(box.left() + box.width() * 0.22, box.center().y());
                 tick.lineTo(box.left() + box.width() * 0.42, box.bottom() - box.height() * 0.25);
                 tick.lineTo(box.right() - box.width() * 0.2, box.top() + box.height() * 0.25);
                 p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                 p.setBrush(Qt::NoBrush);
                 p.drawPath(tick);
             }
             return true;
         }},
        {QStringLiteral("chip"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             const bool on = e.argument(0) == QLatin1String("on");
             if (!on && e.argument(0) != QLatin1String("off"))
                 return unknownState(e, error);
             // Light grounds: the panels that use chips write on them in black.
             const QColor fill = on ? accent : text;
             roundedBox(p, QRectF(QPointF(0, 0), e.size), fill, on ? accentDeep : muted, e.size.height() / 2.0);
             return true;
         }},
        {QStringLiteral("frame"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             const bool on = e.argument(0) == QLatin1String("on");
             if (!on && e.argument(0) != QLatin1String("off"))
                 return unknownState(e, error);
             // Only the outline: the widget's own colour shows inside.
             const qreal width = on ? 2 : 1;
             p.setPen(QPen(on ? QColor(Qt::white) : border, width));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(inset(QRectF(QPointF(0, 0), e.size), width / 2), 3, 3);
             return true;
         }},
        {QStringLiteral("switch"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             const bool on = e.argument(0) == QLatin1String("on");
             if (!on && e.argument(0) != QLatin1String("off"))
                 return unknownState(e, error);
             const QRectF track = inset(QRectF(QPointF(0, 0), e.size), 1);
             const qreal radius = track.height() / 2;
             roundedBox(p, track, on ? accentDeep : surface, on ? accent : muted, radius);
             const qreal knob = track.height() - 4;
             const qreal x = on ? track.right() - 2 - knob : track.left() + 2;
             p.setPen(Qt::NoPen);
             p.setBrush(on ? QColor(Qt::white) : muted);
             p.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
             return true;
         }},
        {QStringLiteral("badge"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             const QRectF box(QPointF(0, 0), e.size);
             p.setPen(QPen(accent, 1.5));
             p.setBrush(background);
             p.drawRoundedRect(inset(box, 1), box.height() / 2 - 1, box.height() / 2 - 1);
             p.setFont(badgeFont(int(e.size.height() * 0.55)));
             p.setPen(accent);
             p.drawText(box, Qt::AlignCenter, e.arguments.join(QLatin1Char(' ')));
             return true;
         }},
        {QStringLiteral("number"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             StateColours colours;
             if (!stateColours(e.argument(0), &colours))
                 return unknownState(e, error);
             const QRectF box = inset(QRectF(QPointF(0, 0), e.size), 2);
             p.setPen(QPen(colours.outline == border ? accent : colours.outline, 2));
             p.setBrush(colours.fill);
             p.drawEllipse(box);
             return true;
         }},
        {QStringLiteral("tile"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             const QString state = e.argument(0);
             const bool online = state == QLatin1String("online");
             const bool unknown = state == QLatin1String("unknown");
             if (!online && !unknown && state != QLatin1String("offline"))
                 return unknownState(e, error);
             const QRectF card = inset(QRectF(QPointF(0, 0), e.size), 6);
             roundedBox(p, card, surface, online ? accent : border, 12);
             const QRectF mouseBox(card.center().x() - card.width() * 0.22,
                                   card.top() + card.height() * 0.18, card.width() * 0.44,
                                   card.height() * 0.55);
             const QColor line = online ? accent : muted;
             p.setPen(QPen(line, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.setBrush(online ? surfaceRaised : background);
             p.drawPath(mouseOutline(mouseBox));
             p.setBrush(Qt::NoBrush);
             p.drawPath(mouseDetails(mouseBox));
             if (unknown) {
                 p.setFont(badgeFont(int(card.height() * 0.14)));
                 p.setPen(text);
                 p.drawText(QRectF(mouseBox.left(), mouseBox.center().y(), mouseBox.width(),
                                   mouseBox.height() * 0.45),
                            Qt::AlignCenter, QStringLiteral("?"));
             }
             return true;
         }},
        {QStringLiteral("mouse"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             const QRectF area(QPointF(0, 0), e.size);
             const qreal height = area.height() * 0.92;
             const QRectF box(area.center().x() - height * 0.32, area.center().y() - height / 2,
                              height * 0.64, height);
             QLinearGradient body(box.topLeft(), box.bottomLeft());
             body.setColorAt(0, surfaceRaised);
             body.setColorAt(1, surface);
             p.setPen(QPen(border, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.setBrush(body);
             p.drawPath(mouseOutline(box));
             p.setPen(QPen(accent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.setBrush(Qt::NoBrush);
             p.drawPath(mouseDetails(box));
             // The two side buttons on the left flank.
             p.setPen(QPen(muted, 2));
             for (int i = 0; i < 2; ++i)
                 p.drawRoundedRect(QRectF(box.left() + 4, box.top() + box.height() * (0.44 + 0.1 * i),
                                          6, box.height() * 0.08),
                                   3, 3);
             return true;
         }},
        {QStringLiteral("swatch"),
         [](QPainter &p, const ManifestEntry &e, QString *error) {
             bool ok[3] = {};
             const QColor colour(e.argument(0).toInt(&ok[0]), e.argument(1).toInt(&ok[1]),
                                 e.argument(2).toInt(&ok[2]));
             if (!ok[0] || !ok[1] || !ok[2] || !colour.isValid()) {
                 *error = QStringLiteral("a swatch takes red, green and blue");
                 return false;
             }
             roundedBox(p, inset(QRectF(QPointF(0, 0), e.size), 1), colour, border, 3);
             return true;
         }},
        {QStringLiteral("spectrum"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             // Every hue from left to right, fading to white at the top and
             // to black at the bottom, so a press can pick any colour.
             const QRectF whole(QPointF(0, 0), e.size);
             QLinearGradient hues(whole.topLeft(), whole.topRight());
             for (int step = 0; step <= 6; ++step)
                 hues.setColorAt(step / 6.0, QColor::fromHsv((step * 60) % 360, 255, 255));
             p.fillRect(whole, hues);
             QLinearGradient shade(whole.topLeft(), whole.bottomLeft());
             shade.setColorAt(0, QColor(255, 255, 255, 200));
             shade.setColorAt(0.35, QColor(255, 255, 255, 0));
             shade.setColorAt(0.65, QColor(0, 0, 0, 0));
             shade.setColorAt(1, QColor(0, 0, 0, 200));
             p.fillRect(whole, shade);
             return true;
         }},
        {QStringLiteral("handle"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             const QRectF box = inset(QRectF(QPointF(0, 0), e.size), 1);
             p.setPen(QPen(accent, 2));
             p.setBrush(Qt::white);
             p.drawEllipse(box);
             return true;
         }},
        {QStringLiteral("dash"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             // A minus sign as wide as its picture.
             const QRectF whole(QPointF(0, 0), e.size);
             p.setPen(Qt::NoPen);
             p.setBrush(text);
             p.drawRoundedRect(inset(whole, 0.5), whole.height() / 2, whole.height() / 2);
             return true;
         }},
        {QStringLiteral("logo"),
         [](QPainter &p, const ManifestEntry &e, QString *) {
             const QRectF box = inset(QRectF(QPointF(0, 0), e.size), 1);
             p.setPen(Qt::NoPen);
             p.setBrush(accentDeep);
             p.drawEllipse(box);
             const QRectF mouseBox(box.center().x() - box.width() * 0.17,
                                   box.top() + box.height() * 0.2, box.width() * 0.34,
                                   box.height() * 0.6);
             p.setPen(QPen(Qt::white, qMax(1.5, box.width() / 20)));
             p.setBrush(Qt::NoBrush);
             p.drawPath(mouseOutline(mouseBox));
             p.drawLine(QPointF(mouseBox.center().x(), mouseBox.top()),
                        QPointF(mouseBox.center().x(), mouseBox.top() + mouseBox.height() * 0.35));
             return true;
         }},
    };
    return table;
}

} // namespace

QImage PicturePainter::draw(const ManifestEntry &entry, QString *error)
{
    const auto drawing = drawings().find(entry.drawing);
    if (drawing == drawings().end()) {
        *error = QStringLiteral("unknown drawing \"%1\"").arg(entry.drawing);
        return QImage();
    }
    QImage image(entry.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (!drawing->second(painter, entry, error))
        return QImage();
    return image;
}
