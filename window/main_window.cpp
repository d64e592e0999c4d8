// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "command_button.h"
#include "design.h"
#include "entry_list_model.h"
#include "entry_list_view.h"
#include "output_box.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>

#include <initializer_list>
#include <stdexcept>

namespace {

void setBackground(QWidget& widget, QColor colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// A flat face in exactly the given colour inside a raised bevel that sinks when pressed. The
// style's own focus mark, a tint over the face, gives way to the button's dotted one.
QString buttonStyle(QColor colour) {
    return QStringLiteral("QPushButton { background-color: %1; border: 2px solid;"
                          " border-color: #ffffff #404040 #404040 #ffffff; outline: none; }"
                          "QPushButton:pressed { border-color: #404040 #ffffff #ffffff #404040; }")
        .arg(colour.name());
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      input_(new QLineEdit(this)), list_(new EntryListView(this)),
      listModel_(new EntryListModel(this)), output_(new OutputBox(this)), inputBox_(*input_),
      outputBox_(*output_), listBox_(*listModel_) {
    output_->setReadOnly(true); // before anything asks how screen readers see it
    setWindowTitle(design::caption.toString());
    setWindowIcon(QIcon(design::iconPath.toString()));
    setFixedSize(design::clientSize);
    setBackground(*this, design::windowColour);
    setFont(QFont(design::fontFamily.toString(), design::fontPointSize));

    // Labels first, so that the input box and the list are drawn over their overlap.
    addLabel(0, design::titleText, design::label1_0);
    addLabel(2, design::numberText, design::label1_2)->setBuddy(input_);
    addLabel(3, design::oddNumbersText, design::label1_3)->setBuddy(list_);

    input_->setGeometry(design::text1_0);
    input_->setAlignment(Qt::AlignCenter);

    addCommand(0, design::enterText, design::enterColour, design::command1_0);
    addCommand(1, design::clearText, design::clearColour, design::command1_1);

    list_->setGeometry(design::list1);
    list_->setModel(listModel_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAccessibleName(design::oddNumbersText.toString());

    output_->setGeometry(design::text1_1);
    output_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    output_->setFocusPolicy(Qt::StrongFocus);
    output_->setTabChangesFocus(true);
    output_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    output_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    output_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    output_->setAccessibleName(design::outputName.toString());
    outputBox_.setText(std::u16string(design::problemStatement.utf16(),
                                      static_cast<size_t>(design::problemStatement.size())));

    setTabOrder(input_, commands_[0]);
    setTabOrder(commands_[0], commands_[1]);
    setTabOrder(commands_[1], list_);
    setTabOrder(list_, output_);
    // Stacked in reading order, each label before its control: screen readers read the
    // children in this order, and each box is drawn over the label above it.
    for (QWidget* control :
         std::initializer_list<QWidget*>{labels_[0], labels_[2], input_, commands_[0], commands_[1],
                                         labels_[3], list_, output_})
        control->raise();
    input_->setFocus();
}

QLabel* MainWindow::addLabel(int index, QStringView text, QRect place) {
    auto* label = new QLabel(text.toString(), this);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackground(*label, design::labelColour);
    label->installEventFilter(this);
    labels_.at(static_cast<size_t>(index)) = label;
    return label;
}

CommandButton* MainWindow::addCommand(int index, QStringView text, QColor colour, QRect place) {
    auto* button = new CommandButton(text.toString(), design::focusMarkInset, this);
    button->setGeometry(place);
    button->setStyleSheet(buttonStyle(colour));
    button->setAccessibleName(text.toString());
    connect(button, &QPushButton::clicked, this, [this, index] { emit command1Clicked(index); });
    commands_.at(static_cast<size_t>(index)) = button;
    return button;
}

QListView* MainWindow::list() const {
    return list_;
}

QPushButton* MainWindow::command1(int index) const {
    return commands_.at(static_cast<size_t>(index));
}

QLabel* MainWindow::label1(int index) const {
    QLabel* label = labels_.at(static_cast<size_t>(index));
    if (!label)
        throw std::out_of_range("Label1 has no control of that index");
    return label;
}

demo::TextBox& MainWindow::Text1(int index) {
    switch (index) {
    case 0:
        return inputBox_;
    case 1:
        return outputBox_;
    default:
        throw std::out_of_range("Text1 has no control of that index");
    }
}

demo::ListBox& MainWindow::List1() {
    return listBox_;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int index = 0; index < static_cast<int>(labels_.size()); ++index) {
            if (labels_[static_cast<size_t>(index)] == watched)
                emit label1Clicked(index);
        }
    }
    return QWidget::eventFilter(watched, event);
}
