#include "editor/free_objects.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace quindor {

namespace {

using K = ObjectKind;

// The line of a new card: dark blue, two pixels.
constexpr WinColor kLineColour = MakeWinColor(45, 60, 120);
constexpr int kLineThickness = 2;
// Where a clicked label's card point stands from its spot, as a share of the page width.
constexpr double kCardDistance = 0.1;
// Fixed objects lie beneath the queries, the points above everything.
int ZIndexOf(ObjectKind kind) {
    switch (kind) {
    case K::FixedLabel:
    case K::FixedPicture:
        return 1;
    case K::QueryLabel:
    case K::QueryPicture:
        return 2;
    default:
        return 3;
    }
}

bool IsLabelKind(ObjectKind kind) {
    return kind == K::QueryLabel || kind == K::FixedLabel;
}

bool IsCardPictureKind(ObjectKind kind) {
    return kind == K::QueryPicture || kind == K::FixedPicture || kind == K::PictureLink;
}

QString WithCrLf(const QString& text) {
    return QString(text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace

bool IsFreeKind(ObjectKind kind) {
    return StoredKind(kind) >= 0 && StoredKind(kind) <= StoredKind(K::PictureLink) &&
           kind != K::Gap;
}

const std::vector<FreeKindRow>& FreeKinds() {
    static const std::vector<FreeKindRow> rows = {
        {K::QueryLabel, "Abfragetext",
         "Neue Abfragebeschriftung: auf die Stelle klicken, auf die sie zeigt (oder von dort "
         "zur Karte ziehen), dann den Text eingeben"},
        {K::FixedLabel, "Festtext",
         "Neue feste Beschriftung, die immer zu sehen ist: auf die Stelle klicken, dann den "
         "Text eingeben"},
        {K::QueryPicture, "Abfragebild",
         "Neues Abfragebild: auf die Stelle klicken, auf die es zeigt, dann die Bilddatei "
         "w\u00e4hlen"},
        {K::FixedPicture, "Festbild",
         "Neues festes Bild: auf die Stelle klicken, dann die Bilddatei w\u00e4hlen"},
        {K::InfoPoint, "Infopunkt",
         "Neuer Infopunkt: auf die Stelle klicken, dann den Erkl\u00e4rungstext eingeben"},
        {K::DocumentLink, "Dok.-Link",
         "Neuer Punkt, der ein anderes Dokument \u00f6ffnet: auf die Stelle klicken, dann "
         "das Dokument w\u00e4hlen"},
        {K::ExternalLink, "Link",
         "Neuer Punkt, der eine Datei oder Webadresse \u00f6ffnet: auf die Stelle klicken, "
         "dann die Adresse eingeben"},
    };
    return rows;
}

const FreeKindRow& FreeKindRowOf(ObjectKind kind) {
    const std::vector<FreeKindRow>& rows = FreeKinds();
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [kind](const FreeKindRow& r) { return r.kind == kind; });
    return row != rows.end() ? *row : rows.front();
}

std::vector<ObjectKind> KindsLike(ObjectKind kind) {
    if (IsLabelKind(kind))
        return {K::QueryLabel, K::FixedLabel};
    if (IsCardPictureKind(kind))
        return {K::QueryPicture, K::FixedPicture};
    if (IsPointKind(kind))
        return {K::InfoPoint, K::DocumentLink, K::ExternalLink};
    return {kind};
}

QPointF DefaultCardPoint(ObjectKind kind, QPointF spot) {
    if (IsPointKind(kind))
        return spot;
    // Towards the nearer edge, unless the card would not fit between the spot and that edge.
    const double room = 2 * kCardDistance;
    const bool left = spot.x() < 0.5 ? spot.x() >= room : spot.x() > 1.0 - room;
    return {left ? spot.x() - kCardDistance : spot.x() + kCardDistance, spot.y()};
}

ObjDataTyp NewFreeObject(ObjectKind kind, QPointF spot, QPointF cardPoint, const QString& text,
                         const HeaderDataTyp& header, const Picture& picture) {
    ObjDataTyp o;
    o.Typ = kind;
    o.Sx = spot.x();
    o.Sy = spot.y();
    o.Kx = cardPoint.x();
    o.Ky = cardPoint.y();
    o.ZIndex = ZIndexOf(kind);
    o.Farbe = header.TextCol;
    // What was just made is shown, whatever the other fields show.
    o.State = ObjectState::Shown;
    if (IsPointKind(kind)) {
        o.Ebene = 2;
        o.Cap = WithCrLf(text);
        o.PktCap = DefaultPointTitle(kind);
        o.HFarbe = DefaultPointColour(kind);
        o.Farbe = 0xFFFFFF;
        o.HDeck = 100;
        o.KAusr = 1;
        return o;
    }
    o.Ebene = 1;
    o.Sline = 1;
    o.LinieDicke = kLineThickness;
    o.LinieFarbe = kLineColour;
    if (IsCardPictureKind(kind)) {
        o.Picture = picture;
        o.Fsize = 20;
        return o;
    }
    o.Cap = WithCrLf(text);
    o.HFarbe = 0xFFFFFF;
    o.HDeck = 100;
    o.TAusr = 1;
    return o;
}

ObjDataTyp WithKind(const ObjDataTyp& object, ObjectKind kind) {
    ObjDataTyp o = object;
    o.Typ = kind;
    if (IsPointKind(kind) && IsPointKind(object.Typ)) {
        if (object.PktCap == DefaultPointTitle(object.Typ))
            o.PktCap = DefaultPointTitle(kind);
        if (object.HFarbe == DefaultPointColour(object.Typ))
            o.HFarbe = DefaultPointColour(kind);
    }
    // A query keeps its place in the order of its kind, a fixed card lies beneath the queries.
    if (object.ZIndex == ZIndexOf(object.Typ))
        o.ZIndex = ZIndexOf(kind);
    return o;
}

DocumentPicture ReadDocumentPicture(const QString& path, int maxSide) {
    DocumentPicture result;
    QImageReader reader(path);
    // Photographs from phones stand the way they were taken.
    reader.setAutoTransform(true);
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    const int longer = std::max(size.width(), size.height());
    QSize reduced = size;
    if (longer > maxSide) {
        reduced = size.scaled(maxSide, maxSide, Qt::KeepAspectRatio);
        // Decoded at the smaller size: a huge photo never has to fit in memory whole.
        reader.setScaledSize(reader.transformation() & QImageIOHandler::TransformationRotate90
                                 ? reduced.transposed()
                                 : reduced);
    }
    QImage image = reader.read();
    if (image.isNull()) {
        result.Error =
            QStringLiteral("Die Datei \"%1\" kann nicht als Bild gelesen werden. Bilder im "
                           "Format PNG, JPEG, BMP oder GIF k\u00f6nnen verwendet werden.")
                .arg(QDir::toNativeSeparators(path));
        return result;
    }
    if (std::max(image.width(), image.height()) > maxSide)
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (longer > maxSide)
        result.Notice = QStringLiteral("Das Bild \"%1\" ist %2 x %3 Pixel gro\u00df. Damit das "
                                       "Dokument handlich bleibt und schnell angezeigt wird, "
                                       "wurde es auf %4 x %5 Pixel verkleinert.")
                            .arg(QFileInfo(path).fileName())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(image.width())
                            .arg(image.height());
    result.Pic.Blended = image.hasAlphaChannel();
    result.Pic.Image = image.convertToFormat(
        result.Pic.Blended ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    result.Pic.Linear = true;
    return result;
}

Parsed<Document> MakeLabelling(const DocumentInfo& info, const Picture& base,
                               const PageFormatDefaults& pageFormat) {
    if (const std::optional<QString> fault = CheckInfoFields(info))
        return Parsed<Document>::failure(0, *fault);
    if (base.isEmpty())
        return Parsed<Document>::failure(
            0, QStringLiteral("Bitte w\u00e4hlen Sie das Bild, das beschriftet werden soll."));
    Document d;
    HeaderDataTyp& h = d.Header;
    h.DokTyp = DocumentType::Labelling;
    h.EinrueckRand = DefaultEinrueckRand(DocumentType::Labelling);
    ApplyInfo(h, info);
    h.SeitRatioArt = pageFormat.SeitRatioArt;
    h.SeitRatioBreite = pageFormat.SeitRatioBreite;
    h.SeitRatioHoehe = pageFormat.SeitRatioHoehe;
    d.BaseImage = base;
    ApplyPageFormat(h, base.Image.width(), base.Image.height());
    return {d, {}};
}

} // namespace quindor
