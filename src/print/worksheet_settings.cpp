#include "print/worksheet_settings.h"

#include "core/rounding.h"
#include "document/document_session.h"

#include <algorithm>
#include <cmath>

namespace quindor {

namespace {

constexpr int kStoredFields = 10;

QString Flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString OneDecimal(double value) {
    // Adding 0.0 turns a negative zero into zero, which prints without its sign.
    return QString::number(value + 0.0, 'f', 1);
}

QString WithoutBlanks(const QString& text) {
    QString result = text;
    result.remove(QLatin1Char(' '));
    return result;
}

int ReadInteger(const QString& text) {
    bool ok = false;
    const int value = WithoutBlanks(text).toInt(&ok);
    return ok ? value : 0;
}

double ReadReal(const QString& text) {
    bool ok = false;
    const double value = WithoutBlanks(text).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

} // namespace

const QStringList& BlankSizeTexts() {
    static const QStringList texts = [] {
        QStringList list;
        for (int percent = 50; percent <= 200; percent += 10)
            list.append(QString::number(percent) + QStringLiteral(" %"));
        return list;
    }();
    return texts;
}

void ClampWorksheetSettings(WorksheetSettings& s) {
    s.BasisbildGroesse = std::min(s.BasisbildGroesse, 300.0);
    s.BasisbildX = std::clamp(s.BasisbildX, -20.0, 20.0);
    s.BasisbildY = std::max(s.BasisbildY, -20.0);
    s.MaxFontSize = std::clamp(s.MaxFontSize, -10, 10);
    s.AbFrageEdit = std::clamp(s.AbFrageEdit, 1, 99999);
    if (s.KaestchengroesseCombo < -1 || s.KaestchengroesseCombo >= BlankSizeTexts().size())
        s.KaestchengroesseCombo = -1;
    if (s.OrientRadio != 1)
        s.OrientRadio = 0;
}

QString SerializeWorksheetSettings(const WorksheetSettings& s) {
    const QStringList values = {
        BlankSizeTexts().value(s.KaestchengroesseCombo),
        Flag(s.RaenderCheck),
        QString::number(s.MaxFontSize),
        Flag(s.BasisbildCheck),
        Flag(s.ObjekteCheck),
        OneDecimal(s.BasisbildX),
        OneDecimal(s.BasisbildY),
        OneDecimal(s.BasisbildGroesse),
        Flag(s.VollbreiteCheck),
        QString::number(s.OrientRadio),
    };
    QString result;
    for (const QString& value : values)
        result += value + QLatin1Char('|');
    return result;
}

void ApplyWorksheetSettings(const QString& stored, WorksheetSettings& s) {
    if (stored.isEmpty())
        return;
    QStringList fields = stored.split(QLatin1Char('|'));
    // Every value is followed by a separator, the last one too.
    if (fields.last().isEmpty())
        fields.removeLast();
    const auto has = [&fields](int index) { return index < fields.size(); };
    if (has(0))
        s.KaestchengroesseCombo = static_cast<int>(BlankSizeTexts().indexOf(fields.at(0)));
    if (has(1))
        s.RaenderCheck = ReadInteger(fields.at(1)) != 0;
    if (has(2))
        s.MaxFontSize = ReadInteger(fields.at(2));
    if (has(3))
        s.BasisbildCheck = ReadInteger(fields.at(3)) != 0;
    if (has(4))
        s.ObjekteCheck = ReadInteger(fields.at(4)) != 0;
    if (has(5))
        s.BasisbildX = ReadReal(fields.at(5));
    if (has(6))
        s.BasisbildY = ReadReal(fields.at(6));
    if (has(7))
        s.BasisbildGroesse = ReadReal(fields.at(7));
    if (has(8))
        s.VollbreiteCheck = ReadInteger(fields.at(8)) != 0;
    if (has(kStoredFields - 1))
        s.OrientRadio = ReadInteger(fields.at(9));
    ClampWorksheetSettings(s);
}

namespace {

// Width divided by height.
double SheetRatio(bool landscape) {
    return landscape ? static_cast<double>(kSheetLongSide) / kSheetShortSide
                     : static_cast<double>(kSheetShortSide) / kSheetLongSide;
}

} // namespace

double ProportionalHeight(double width, bool landscape) {
    return width / SheetRatio(landscape);
}

double ProportionalWidth(double height, bool landscape) {
    return height * SheetRatio(landscape);
}

WorksheetPrintPlacement ShownPlacement(const WorksheetPrintPlacement& stored, bool landscape) {
    if (!landscape)
        return stored;
    WorksheetPrintPlacement shown = stored;
    shown.LiRand = stored.ObRand;
    shown.ObRand = stored.LiRand;
    shown.Breite = stored.Hoehe;
    shown.Hoehe = stored.SeitRatio ? ProportionalHeight(shown.Breite, true) : stored.Breite;
    return shown;
}

WorksheetPrintPlacement StoredPlacement(const WorksheetPrintPlacement& shown, bool landscape) {
    if (!landscape)
        return shown;
    WorksheetPrintPlacement stored = shown;
    stored.LiRand = shown.ObRand;
    stored.ObRand = shown.LiRand;
    stored.Breite = shown.Hoehe;
    stored.Hoehe = shown.Breite;
    return stored;
}

PrintRectangle WorksheetPrintRect(const WorksheetPrintPlacement& shown, int offsetX, int offsetY) {
    return {std::max(0, RoundHalfEven(shown.LiRand * 100) - offsetX),
            std::max(0, RoundHalfEven(shown.ObRand * 100) - offsetY),
            RoundHalfEven(shown.Breite * 100), RoundHalfEven(shown.Hoehe * 100)};
}

uint32_t DrawVariantSeed(RandomGenerator& random) {
    return static_cast<uint32_t>(random.random(10000) + 1);
}

void RegisterWorksheetHooks(DocumentHooks& hooks, WorksheetSettings& settings) {
    hooks.worksheetRead = [&settings](const QString& worksheet, const QString&) {
        ApplyWorksheetSettings(worksheet, settings);
    };
    hooks.serializeWorksheet = [&settings] { return SerializeWorksheetSettings(settings); };
}

} // namespace quindor
