#include "DetailSheet.h"

#include "DBLabel.h"

#include <QGridLayout>
#include <QLabel>

namespace custos::results {

namespace {

const QColor kBand(0x3A, 0x6E, 0xA5);
const QColor kHighlight(0xDE, 0xE8, 0xF5);
const QColor kNavy(0x00, 0x00, 0x80);
constexpr int kComponentIndent = 24;

void colour(QWidget* w, const QColor& text, const QColor& background = QColor())
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

} // namespace

DetailLine detailLine(const char* name, const char* caption, const char* total, const char* perKg,
                      const char* parameter)
{
    DetailLine l;
    l.name = QString::fromLatin1(name);
    l.caption = QString::fromUtf8(caption);
    l.total = QString::fromLatin1(total);
    l.perKg = QString::fromLatin1(perKg);
    l.parameter = QString::fromLatin1(parameter);
    return l;
}

DetailSheet::DetailSheet(data::DataSource* source, QWidget* parent) : QWidget(parent), m_source(source)
{
    setObjectName(QStringLiteral("DetailSheet"));
    m_grid = new QGridLayout(this);
    m_grid->setHorizontalSpacing(12);
    m_grid->setVerticalSpacing(2);
    auto* heading = new QLabel(QStringLiteral("Parâmetros"));
    auto* subheading = new QLabel(QStringLiteral("Utilizados"));
    for (QLabel* l : {heading, subheading}) {
        l->setAlignment(Qt::AlignCenter);
        colour(l, Qt::white, kBand);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    m_grid->addWidget(heading, 0, 4);
    m_grid->addWidget(subheading, 1, 4);
    m_grid->setColumnStretch(5, 1);
}

void DetailSheet::addLine(const DetailLine& line)
{
    const int row = m_row++;
    const QColor background = line.highlighted ? kHighlight : QColor();
    auto named = [&](QWidget* w, const char* suffix) {
        w->setObjectName(line.name + QLatin1Char('_') + QLatin1String(suffix));
        colour(w, kNavy, background);
        return w;
    };
    auto bound = [&](const QString& field, const char* suffix) {
        auto* label = new ui::DBLabel(m_source, field);
        named(label, suffix);
        return label;
    };
    auto* caption = new QLabel(line.caption);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    colour(caption, Qt::black, background);
    if (line.link) {
        auto* box = new QWidget;
        colour(box, Qt::black, background);
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        auto* link = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#0000FF\">Detalhes...</a>"));
        named(link, "Link");
        h->addWidget(link);
        h->addStretch(1);
        h->addWidget(caption);
        m_grid->addWidget(box, row, 0);
    } else {
        m_grid->addWidget(caption, row, 0);
    }
    if (!line.total.isEmpty()) {
        if (line.total2.isEmpty()) {
            m_grid->addWidget(bound(line.total, "Total"), row, 1);
        } else {
            auto* box = new QWidget;
            colour(box, kNavy, background);
            auto* h = new QHBoxLayout(box);
            h->setContentsMargins(0, 0, 0, 0);
            ui::DBLabel* code = bound(line.total, "Total");
            code->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            ui::DBLabel* description = bound(line.total2, "Total2");
            description->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            h->addWidget(code);
            h->addWidget(description, 1);
            m_grid->addWidget(box, row, 1, 1, 3);
        }
    }
    if (!line.perKg.isEmpty()) {
        ui::DBLabel* perKg = bound(line.perKg, "Kg");
        if (line.component)
            perKg->setIndent(kComponentIndent);
        m_grid->addWidget(perKg, row, 2);
    }
    if (!line.parameter.isEmpty()) {
        ui::DBLabel* parameter = bound(line.parameter, "Parametro");
        colour(parameter, Qt::gray, background);
        m_grid->addWidget(parameter, row, 4);
    }
    if (!line.parameterText.isEmpty()) {
        auto* text = new QLabel(line.parameterText);
        named(text, "Texto");
        colour(text, Qt::gray, background);
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->addWidget(text, row, 4);
    }
}

QWidget* DetailSheet::part(const QString& name, const char* suffix) const
{
    return findChild<QWidget*>(name + QLatin1Char('_') + QLatin1String(suffix));
}

QLabel* DetailSheet::link(const QString& name) const
{
    return findChild<QLabel*>(name + QStringLiteral("_Link"));
}

} // namespace custos::results
