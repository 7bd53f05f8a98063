#pragma once
// The cells the day summary panels are made of: colours, title bands, header cells, bound value
// cells (right-aligned, navy on white unless told otherwise), fixed unit labels, and the items
// of the repeating panels, all in one look.

#include "RecordPanel.h"

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace custos::ui {
class DBLabel;
}

namespace custos::dayproc {

class SourceBindings;

namespace colours {
inline const QColor dayHeader(0x00, 0x80, 0xFF);
inline const QColor accumulatedHeader(0x00, 0x00, 0xA0); // also the weight column
inline const QColor taxExpense(0x00, 0x80, 0xC0);
inline const QColor elaboration(0x82, 0xC0, 0xFF);
inline const QColor netPurchase(0xAE, 0xD7, 0xFF);
inline const QColor pigWeight(0xC6, 0xF9, 0xFD);
inline const QColor silver(0xC0, 0xC0, 0xC0);
inline const QColor pigAccumulatedBlock(0xB9, 0xB9, 0xB9);
inline const QColor titleBand(0x80, 0x80, 0x80);
inline const QColor navy(0x00, 0x00, 0x80);
inline const QColor cell(Qt::white);
} // namespace colours

// Text colour on a background: white on the header colours, navy on the light ones.
QColor textOn(const QColor& background);

// A grey title band with white bold text.
QLabel* titleBand(QWidget* parent, const QString& objectName, const QString& text);
// A header cell: bold, centred, white text on the colour.
QLabel* headerCell(QWidget* parent, const QString& text, const QColor& background);
// A caption of a row (left-aligned, navy on the background).
QLabel* captionCell(QWidget* parent, const QString& text, const QColor& background = colours::cell);
// A fixed text standing next to values ("Kg", "/ Kg", "(-)").
QLabel* unitCell(QWidget* parent, const QString& text, const QColor& background = colours::cell);
// A bound value, right-aligned; its source is bound when the window is shown.
ui::DBLabel* valueCell(QWidget* parent, SourceBindings& bindings, const QString& sourceName, const QString& field,
                       const QColor& background = colours::cell, bool bold = false);

// Items of a repeating panel's cell layout.
ui::RecordPanel::Item boundItem(const QString& field, const QRect& rect, const QColor& background = colours::cell);
ui::RecordPanel::Item fixedItem(const QString& name, const QString& text, const QRect& rect,
                                const QColor& background = colours::cell);

} // namespace custos::dayproc

namespace custos::dayproc {

// A framed block titled in bold 10 points (the frame named frameName) around content.
QFrame* framedBlock(QWidget* parent, const QString& frameName, const QString& title, QWidget* content);

} // namespace custos::dayproc

namespace custos::dayproc {

// Makes a tab sheet scroll its contents when the window is smaller than they are; returns the
// widget the contents go in.
QWidget* scrollingPage(QWidget* tabSheet);

} // namespace custos::dayproc
