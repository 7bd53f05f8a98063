#include "SummaryCells.h"

#include "DBLabel.h"
#include "LineLabel.h"
#include "SourceBindings.h"

#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace custos::dayproc {

namespace {

void paint(QLabel* label, const QColor& background, const QColor& text)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    label->setPalette(p);
    label->setAutoFillBackground(true);
}

void embolden(QLabel* label)
{
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
}

} // namespace

QColor textOn(const QColor& background)
{
    return background.lightness() < 140 ? QColor(Qt::white) : colours::navy;
}

QLabel* titleBand(QWidget* parent, const QString& objectName, const QString& text)
{
    auto* band = new ui::LineLabel(text, parent);
    band->setObjectName(objectName);
    band->setAlignment(Qt::AlignCenter);
    band->setFixedHeight(26);
    paint(band, colours::titleBand, Qt::white);
    QFont f = band->font();
    f.setBold(true);
    f.setPixelSize(15);
    band->setFont(f);
    return band;
}

QLabel* headerCell(QWidget* parent, const QString& text, const QColor& background)
{
    auto* label = new ui::LineLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    paint(label, background, textOn(background));
    embolden(label);
    return label;
}

QLabel* captionCell(QWidget* parent, const QString& text, const QColor& background)
{
    auto* label = new ui::LineLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(3);
    paint(label, background, textOn(background));
    return label;
}

QLabel* unitCell(QWidget* parent, const QString& text, const QColor& background)
{
    auto* label = new ui::LineLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(2);
    paint(label, background, textOn(background));
    return label;
}

ui::DBLabel* valueCell(QWidget* parent, SourceBindings& bindings, const QString& sourceName, const QString& field,
                       const QColor& background, bool bold)
{
    auto* label = new ui::DBLabel(parent);
    label->setObjectName(sourceName + u'_' + field);
    label->setDataField(field);
    label->setIndent(3);
    paint(label, background, textOn(background));
    if (bold)
        embolden(label);
    bindings.add(label, sourceName);
    return label;
}

ui::RecordPanel::Item boundItem(const QString& field, const QRect& rect, const QColor& background)
{
    ui::RecordPanel::Item item;
    item.name = field;
    item.dataField = field;
    item.rect = rect;
    item.background = background;
    item.color = textOn(background);
    return item;
}

ui::RecordPanel::Item fixedItem(const QString& name, const QString& text, const QRect& rect, const QColor& background)
{
    ui::RecordPanel::Item item;
    item.name = name;
    item.text = text;
    item.rect = rect;
    item.background = background;
    item.color = textOn(background);
    item.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    return item;
}

} // namespace custos::dayproc

namespace custos::dayproc {

QFrame* framedBlock(QWidget* parent, const QString& frameName, const QString& title, QWidget* content)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(frameName);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    auto* caption = new QLabel(title, frame);
    QFont f = caption->font();
    f.setBold(true);
    f.setPointSize(10);
    caption->setFont(f);
    caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption);
    content->setParent(frame);
    layout->addWidget(content);
    frame->setFixedSize(layout->sizeHint());
    return frame;
}

} // namespace custos::dayproc

namespace custos::dayproc {

QWidget* scrollingPage(QWidget* tabSheet)
{
    auto* layout = new QVBoxLayout(tabSheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(tabSheet);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* contents = new QWidget(scroll);
    contents->setObjectName(tabSheet->objectName() + QStringLiteral("_Conteudo"));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(11);
    contents->setFont(verdana);
    scroll->setWidget(contents);
    layout->addWidget(scroll);
    return contents;
}

} // namespace custos::dayproc
