// The answer bank below the task: the answers the learner fills in, pictures first in a fixed
// mixed order, then the texts in alphabetical order.
#include "core/random_generator.h"
#include "core/rounding.h"
#include "print/worksheet_canvas.h"

#include <QCollator>

#include <algorithm>

namespace quindor {

namespace {

constexpr int kBankEm = 22;
const QString kSeparator = QStringLiteral(" - ");

// The objects whose answers the bank of a document type lists.
bool InBank(const ObjDataTyp& o, const HeaderDataTyp& h, const WorksheetSettings& s) {
    const bool freeQuery = o.Typ == ObjectKind::QueryLabel || o.Typ == ObjectKind::QueryPicture;
    switch (h.DokTyp) {
    case DocumentType::Labelling:
        return freeQuery;
    case DocumentType::GapText:
        return o.Typ == ObjectKind::Gap || o.Typ == ObjectKind::TableQueryPicture ||
               (s.ObjekteCheck && freeQuery);
    case DocumentType::Cluster:
        return o.Typ == ObjectKind::ClusterText || o.Typ == ObjectKind::ClusterPicture || freeQuery;
    case DocumentType::Questions:
        return o.Typ == ObjectKind::AnswerField && o.FrageNummer >= s.AbFrageEdit;
    default:
        return false;
    }
}

bool IsBankPictureKind(ObjectKind kind) {
    return kind == ObjectKind::QueryPicture || kind == ObjectKind::TableQueryPicture ||
           kind == ObjectKind::ClusterPicture;
}

struct BankItems {
    std::vector<const Picture*> pictures;
    QStringList texts;
};

// Whether the object shows on the sheet at all: the info layer and the layers hidden in the
// learning view stay off it, and so do their answers.
bool OnSheet(const ObjDataTyp& o, const SheetCanvas& c) {
    return o.Ebene >= 0 && o.Ebene < 4 && o.Ebene != 2 &&
           c.source.layers[static_cast<size_t>(o.Ebene)];
}

BankItems CollectBank(const SheetCanvas& c) {
    BankItems items;
    for (const ObjDataTyp& o : c.document.Objects) {
        if (!InBank(o, c.document.Header, c.settings) || !OnSheet(o, c))
            continue;
        if (IsBankPictureKind(o.Typ) && !o.Picture.isEmpty()) {
            items.pictures.push_back(&o.Picture);
            continue;
        }
        // A field without an answer adds nothing to choose from.
        const QString text = FlattenCaption(o.Cap);
        if (!text.isEmpty())
            items.texts.append(text);
    }
    // The pictures in a mixed order that is the same at every build.
    RandomGenerator random(0);
    const int count = static_cast<int>(items.pictures.size());
    for (int i = 0; i < count; ++i)
        std::swap(items.pictures[static_cast<size_t>(i)],
                  items.pictures[static_cast<size_t>(random.random(count))]);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(
        items.texts.begin(), items.texts.end(),
        [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return items;
}

} // namespace

QString FlattenCaption(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar ch = caption.at(i);
        if (ch == u'-') {
            qsizetype after = i + 1;
            if (after < caption.size() && caption.at(after) == u'\r')
                ++after;
            if (after < caption.size() && caption.at(after) == u'\n')
                ++after;
            if (after > i + 1) {
                // A word divided at the line end is joined again; a hyphen before a capital
                // (a compound) stays.
                if (!(after < caption.size() && caption.at(after).isLower()))
                    text += ch;
                i = after - 1;
                continue;
            }
        }
        text += (ch == u'\r' || ch == u'\n') ? QChar(u' ') : ch;
    }
    text.replace(QStringLiteral("   "), QStringLiteral(" "));
    text.replace(QStringLiteral("  "), QStringLiteral(" "));
    return text.trimmed();
}

namespace {

// The bank from `top` at an em height (22 units unless it is too long; t is its line height);
// returns where the body may start below it. Draws only when asked, so that its height can be
// measured first.
int LayOutBank(SheetCanvas& c, const BankItems& items, int em, int top, bool draw) {
    const QFont font = c.font(em);
    const int t = c.textHeight(font);
    const int rowStep = RoundHalfEven(t * 1.25 * 2);
    int y = top;
    if (!items.pictures.empty()) {
        const int separator = c.textWidth(font, kSeparator);
        int x = 0;
        for (size_t i = 0; i < items.pictures.size(); ++i) {
            const QImage& image = items.pictures[i]->Image;
            const int height = 2 * t;
            const int width = RoundHalfEven(double(height) * image.width() / image.height());
            if (x + width > c.width && x > 0) {
                x = 0;
                y += rowStep;
            }
            if (draw)
                c.painter.drawImage(QRect(x, y, width, height), image);
            x += width;
            const bool last = i + 1 == items.pictures.size();
            if (last && items.texts.isEmpty())
                continue;
            if (draw)
                c.text(x, y + (height - t) / 2, kSeparator, font, Qt::AlignLeft);
            x += separator;
        }
        y += rowStep;
        if (items.texts.isEmpty())
            y += t;
    }
    const auto writeLine = [&](const QString& line) {
        if (c.textWidth(font, line) <= c.width) {
            if (draw)
                c.text(0, y, line, font, Qt::AlignLeft);
            y += RoundHalfEven(t * 1.25);
            return;
        }
        // A single answer wider than the page wraps.
        const MarkupLayoutParams params = c.layoutParams(em, RoundHalfEven(c.width * 0.97), draw);
        y = LayoutParagraph(params, line, y - RoundHalfEven(t * 0.4), 0);
    };
    QString line;
    for (const QString& item : items.texts) {
        const QString longer = line.isEmpty() ? item : line + kSeparator + item;
        if (line.isEmpty() || c.textWidth(font, longer) <= c.width) {
            line = longer;
            continue;
        }
        writeLine(line);
        line = item;
    }
    if (!line.isEmpty())
        writeLine(line);
    return y + t;
}

} // namespace

void DrawAnswerBank(SheetCanvas& c) {
    const BankItems items = CollectBank(c);
    // A bank too long for the page gets smaller text, so that the body keeps a quarter of the
    // page below it and nothing runs over the footer.
    const int limit = c.bottomLimit - c.height / 4;
    int em = kBankEm;
    while (em > 1 && LayOutBank(c, items, em, c.y, false) > limit)
        --em;
    c.y = LayOutBank(c, items, em, c.y, c.sheetContent());
}

} // namespace quindor
