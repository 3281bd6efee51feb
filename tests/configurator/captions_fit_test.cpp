// Every caption of every window fits its control in all eight variants, measured against the
// rectangle the style draws it in, and no two controls that show together overlap. The texts
// written on the sheet window stay inside it, and a summary's lines inside its box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <QTextDocument>

#include "common/variants.h"
#include "common/version.h"
#include "configurator/ordering_list.h"
#include "configurator/window_driver.h"
#include "list_window/form3.h"
#include "page/print_text.h"
#include "price_window/form2.h"
#include "prices/price_import.h"
#include "sheets/dimension_sheets.h"
#include "sheets/technical_data.h"
#include "startup/frm_vinjett.h"

namespace {

// The rectangle the style gives a button's caption.
QRect buttonContents(const QAbstractButton* b, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(b);
  option.text = b->text();
  option.icon = b->icon();
  option.iconSize = b->iconSize();
  return b->style()->subElementRect(element, &option, b);
}

QRect groupBoxLabel(const QGroupBox* g) {
  QStyleOptionGroupBox option;
  option.initFrom(g);
  option.text = g->title();
  option.lineWidth = 1;
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
}

// Why the caption of a visible control does not fit; empty when it does.
QString captionProblem(const QWidget* w) {
  QString text;
  QRect room;
  int flags = Qt::TextShowMnemonic;
  // The program's check boxes, option buttons and the lube-free and accessories buttons wrap.
  const bool wrapping = w->metaObject()->className() == QByteArray("QCheckBox") ||
                        w->metaObject()->className() == QByteArray("QRadioButton");
  if (const auto* l = qobject_cast<const QLabel*>(w)) {
    if (l->text().isEmpty() || Qt::mightBeRichText(l->text())) return {};
    text = l->text();
    room = l->contentsRect();
    // A label with a buddy shows "&" as the underline of its access key, one without it as text.
    flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0) |
            (l->buddy() ? Qt::TextShowMnemonic : 0);
  } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
    text = g->title();
    room = groupBoxLabel(g);
    if (!g->rect().contains(room)) return QStringLiteral("title outside its frame");
  } else if (const auto* c = qobject_cast<const QCheckBox*>(w)) {
    text = c->text();
    room = buttonContents(c, QStyle::SE_CheckBoxContents);
  } else if (const auto* r = qobject_cast<const QRadioButton*>(w)) {
    text = r->text();
    room = buttonContents(r, QStyle::SE_RadioButtonContents);
  } else if (const auto* p = qobject_cast<const QPushButton*>(w)) {
    text = p->text();
    room = buttonContents(p, QStyle::SE_PushButtonContents);
    flags |= Qt::AlignCenter;
  } else {
    return {};
  }
  if (text.isEmpty()) return {};
  if (qobject_cast<const QGroupBox*>(w)) {
    // A frame's title is one line; the style gives it the advance of its text.
    const QString shown = QString(text).remove('&');
    if (w->fontMetrics().horizontalAdvance(shown) > room.width() ||
        w->fontMetrics().height() > room.height())
      return QStringLiteral("title \"%1\" does not fit %2 x %3")
          .arg(text)
          .arg(room.width())
          .arg(room.height());
    return {};
  }
  const bool wraps = (flags & Qt::TextWordWrap) || wrapping ||
                     (qobject_cast<const QPushButton*>(w) && w->objectName() != "Command1" &&
                      w->parentWidget() && w->parentWidget()->objectName() == "HMenyClient");
  if (wraps) flags |= Qt::TextWordWrap;
  const QRect needed = w->fontMetrics().boundingRect(room, flags, text);
  if (needed.width() > room.width() || needed.height() > room.height())
    return QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
  if (w->font().pointSizeF() < 6.99) return QStringLiteral("font below 7 points");
  return {};
}

// The problems of a window: captions that do not fit, and visible controls side by side that
// overlap. Pictures are left out of the overlaps: the design puts them against the frames and
// boxes beside them, and a picture has no caption to cover or be covered.
QStringList problemsOf(QWidget* window, const QString& where) {
  QStringList problems;
  const QList<QWidget*> all = window->findChildren<QWidget*>();
  for (QWidget* w : all) {
    if (!w->isVisible() || w->window() != window) continue;
    const QString p = captionProblem(w);
    if (!p.isEmpty()) problems << QStringLiteral("%1 %2: %3").arg(where, w->objectName(), p);
  }
  QList<QWidget*> parents{window};
  for (QWidget* w : all)
    if (qobject_cast<QGroupBox*>(w) || w->objectName() == "HMenyClient") parents << w;
  for (QWidget* parent : parents) {
    QList<QWidget*> controls;
    for (QObject* o : parent->children())
      if (auto* w = qobject_cast<QWidget*>(o); w && w->isVisible() && !w->isWindow() &&
                                               !w->objectName().isEmpty() &&
                                               !w->objectName().startsWith("Picture"))
        controls << w;
    for (int i = 0; i < controls.size(); ++i)
      for (int j = i + 1; j < controls.size(); ++j)
        if (controls[i]->geometry().intersects(controls[j]->geometry()))
          problems << QStringLiteral("%1: %2 and %3 overlap")
                          .arg(where, controls[i]->objectName(), controls[j]->objectName());
  }
  return problems;
}

// Two items of one menu with the same access key: Alt and the letter would pick the first of
// them only. "Português" and "PDF file" share their P by design.
QStringList accessKeyClashes(QMenu* menu, const QString& where) {
  QStringList clashes;
  QMap<QString, QAction*> seen;
  for (QAction* a : menu->actions()) {
    const QString key = QKeySequence::mnemonic(a->text()).toString();
    if (a->isSeparator() || key.isEmpty()) continue;
    if (QAction* first = seen.value(key);
        first && !(first->objectName() == "mnuSpr\u00e5k(5)" && a->objectName() == "mnuPDF"))
      clashes << QStringLiteral("%1 %2: %3 and %4").arg(where, key, first->text(), a->text());
    seen.insert(key, a);
  }
  return clashes;
}

// Where each text written through it stands, in millimetres, measured as the device it writes
// to measures it.
class WhereWritten : public TextDevice {
 public:
  explicit WhereWritten(TextDevice& inner) : inner_(inner) {}
  void setFont(double pointSize, bool bold) override { inner_.setFont(pointSize, bold); }
  QSizeF measure(const QString& text) override { return inner_.measure(text); }
  void drawText(double x, double top, const QString& text) override {
    if (!text.trimmed().isEmpty()) texts.push_back({text, QRectF({x, top}, inner_.measure(text))});
    inner_.drawText(x, top, text);
  }
  std::vector<std::pair<QString, QRectF>> texts;

 private:
  TextDevice& inner_;
};

// The figures and the technical data written on the sheet window as the screen output writes
// them: each text inside the window, and none over another.
QStringList sheetProblems(WindowDriver& d, const QString& where) {
  Form3& sheet = d.w.form3();
  std::vector<std::pair<QString, QRectF>> written;
  SheetValues values;
  sheet.draw([&](TextDevice& device) {
    WhereWritten recorder(device);
    writeSheets(d.state.TextCatalogue, d.engine().hoist(), values, recorder, kScreenSheetOrigins);
    written = recorder.texts;
  });
  const double mmPerPixel = 25.4 / 96;
  const QRectF window(0, 0, sheet.width() * mmPerPixel, sheet.height() * mmPerPixel);
  QStringList problems;
  if (written.size() < 8) problems << where + " sheet: the technical data are missing";
  for (std::size_t i = 0; i < written.size(); ++i) {
    const auto& [text, box] = written[i];
    if (!window.contains(box))
      problems << QStringLiteral("%1 sheet: \"%2\" at %3..%4 x %5..%6 mm leaves the window")
                      .arg(where, text)
                      .arg(box.left(), 0, 'f', 1)
                      .arg(box.right(), 0, 'f', 1)
                      .arg(box.top(), 0, 'f', 1)
                      .arg(box.bottom(), 0, 'f', 1);
    for (std::size_t j = i + 1; j < written.size(); ++j)
      if (box.intersects(written[j].second))
        problems << QStringLiteral("%1 sheet: \"%2\" and \"%3\" overlap")
                        .arg(where, text, written[j].first);
  }
  return problems;
}

// The lines of a summary that its box does not show whole: the box scrolls sideways, a line of
// the columns wraps, or another line wraps in a box that could have been wider.
QStringList reportProblems(QWidget* dialog, const QString& where) {
  QStringList problems = problemsOf(dialog, where);
  const auto* view = dialog->findChild<QPlainTextEdit*>();
  if (!view) return problems << where + ": no text";
  if (view->horizontalScrollBar()->maximum() > 0) problems << where + ": the text scrolls sideways";
  const int room = view->viewport()->width() - 2 * int(view->document()->documentMargin());
  const bool asWideAsCanBe =
      dialog->width() >= dialog->screen()->availableGeometry().width() * 9 / 10 - 1;
  for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
    const int needed = view->fontMetrics().horizontalAdvance(b.text());
    if (needed > room && (b.text().startsWith("  ") || !asWideAsCanBe))
      problems << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                      .arg(where, b.text())
                      .arg(needed)
                      .arg(room);
  }
  return problems;
}

}  // namespace

TEST(Captions, FitEveryControlOfTheMainWindowInEveryVariant) {
  for (int v = 0; v < kVariantCount; ++v) {
    const Variant variant = *variantByIndex(v);
    const bool imperial = isImperialVariant(variant.id);
    const QString lift = imperial ? "13" : "4";
    const QString control = imperial ? "9.8" : "3";  // 3 m
    QStringList problems;
    auto check = [&](WindowDriver& d, const char* state) {
      problems << problemsOf(&d.w, variant.menuCaption + " " + state);
    };

    WindowDriver d(variant.languageKey, true);
    check(d, "after start-up");
    for (QMenu* menu : {d.w.File, d.w.OptionsM, d.w.Help})
      problems << accessKeyClashes(menu, variant.menuCaption + " " + menu->title());
    d.click(d.w.ComboPXH->lineEdit());
    d.press(Qt::Key_D);  // the discount step comes at the end
    d.walkToTrolley("PXH 250 EX", lift, control);
    ASSERT_TRUE(d.w.Frame3DTrolley->isVisible()) << variant.menuCaption.toStdString();
    check(d, "in the trolley step");
    d.chooseTrolley(3);  // motor driven: the 4-button control is offered too
    check(d, "in the hoist controls");
    for (int i = 0; i < 3; ++i) d.press(Qt::Key_Down);  // to the twist rod: the articulation
    ASSERT_TRUE(d.w.Check3D1[4]->isVisible()) << variant.menuCaption.toStdString();
    check(d, "with the articulation");
    for (int i = 0; i < 8 && !d.w.RabattB->isVisible(); ++i) d.enter();
    ASSERT_TRUE(d.w.RabattB->isVisible()) << variant.menuCaption.toStdString();
    check(d, "with every accessory and the discount");

    // A heavy model takes either trolley control.
    d.walkToTrolley("PXH 2500 EX", lift, control);
    d.chooseTrolley(3);
    d.enter();
    ASSERT_TRUE(d.w.Opt3DTrolleyControls[0]->isVisible()) << variant.menuCaption.toStdString();
    check(d, "in the trolley controls");

    if (imperial) {
      d.walkToTrolley("PXH 250 EX", "10", "10");
      ASSERT_TRUE(d.w.fraChoose->isVisible());
      check(d, "at the feet prompt");
    }

    // The ordering list and the price list.
    d.walkToTrolley("PXH 250 EX", lift, control);
    d.walkToOutput();
    d.w.Cmd_Skärmutskrift_Click();
    d.settle();
    problems << problemsOf(&d.w.form2(), variant.menuCaption + " ordering list");
    problems << sheetProblems(d, variant.menuCaption);
    d.w.form2().LoadPriceGrid();
    d.settle();
    problems << problemsOf(&d.w.form2(), variant.menuCaption + " price list");
    d.w.form2().hide();
    EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
  }
}

TEST(Captions, FitTheStartupWindow) {
  TestProgramDirectory dir(TestProgramDirectory::Built{});
  ProgramState state;
  RecordingServices services;
  frmVinjett start(state, services);
  ASSERT_TRUE(start.Form_Load(dir.path(), dir.path()));
  QCoreApplication::processEvents();
  const QStringList problems = problemsOf(&start, "start-up window");
  EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
}

TEST(Captions, FitTheMessageBoxes) {
  // The About box and a long message of the catalogue, with Qt's buttons in the variant's
  // language: every caption fits, and the box is as wide as its title needs in a title bar.
  for (int v = 0; v < kVariantCount; ++v) {
    const Variant variant = *variantByIndex(v);
    WindowDriver d(variant.languageKey, true);
    const QString printerTrouble = d.state.TextCatalogue[Text::PrintingError] + "\n\n" +
                                   d.state.TextCatalogue[Text::CheckThePrinter] + "\n" +
                                   d.state.TextCatalogue[Text::TryAgain];
    const std::pair<QString, QString> boxes[] = {{aboutText(d.state.ProgramDate), kAboutTitle},
                                                 {printerTrouble, kDefaultMessageTitle}};
    for (const auto& [text, title] : boxes) {
      for (MsgButtons buttons : {MsgButtons::Ok, MsgButtons::SaveDiscardCancel}) {
        const std::unique_ptr<QMessageBox> box =
            makeMessageBox(&d.w, text, title, MsgIcon::Information, buttons);
        box->show();
        QCoreApplication::processEvents();
        const QStringList problems = problemsOf(box.get(), variant.menuCaption + " " + title);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(title) + 100)
            << title.toStdString();
      }
    }
  }
}

TEST(Captions, FitTheSummariesOfAnImportAndOfItsUndo) {
  // 128 prices of an import from a file in a folder of a usual depth: the headline and every
  // line of the columns whole, in every language (a headline wider than the screen may wrap).
  PriceUndoSummary undo;
  undo.import = {12,
                 "2026-12-07 14:05:31",
                 PriceEventKind::Import,
                 "/home/sales/Price lists/PRICES-DECEMBER.DAT",
                 {},
                 {}};
  PriceImportSummary import;
  for (int i = 0; i < 128; ++i) {
    const PriceChange change{i, QStringLiteral("8420 %1 00").arg(i, 4, 10, QChar('0')),
                             i % 5 ? std::optional<double>(12345.5 + i) : std::nullopt,
                             1999.99 + i};
    undo.changes.push_back(change);
    import.changes.push_back(change);
  }
  undo.kept.push_back(undo.changes.front());
  import.newPrice = 128;
  for (int v = 0; v < kVariantCount; ++v) {
    const Variant variant = *variantByIndex(v);
    WindowDriver d(variant.languageKey, true);
    const std::pair<QString, QString> summaries[] = {{"undo", priceUndoReport(undo)},
                                                     {"import", priceImportReport(import)}};
    for (const auto& [name, text] : summaries) {
      const std::unique_ptr<QDialog> dialog = makeReportDialog(
          &d.w, d.state.TextCatalogue[Text::NewPrices], text, MsgButtons::OkCancel);
      dialog->show();
      QCoreApplication::processEvents();
      const QStringList problems = reportProblems(dialog.get(), variant.menuCaption + " " + name);
      EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    }
  }
}
