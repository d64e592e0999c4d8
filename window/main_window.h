// SPDX-License-Identifier: MIT
#pragma once

#include "control_adapters.h"
#include "form.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class OutputBox;
class CommandButton;
class EntryListModel;
class EntryListView;

// The program's one window, built as designed, with its controls seen by the demonstration
// through the control operations. Clicks are passed on as signals carrying the control's index.
class MainWindow : public QWidget, public demo::Form {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    demo::TextBox& Text1(int index) override;
    demo::ListBox& List1() override;

    QLineEdit* input() const { return input_; }
    OutputBox* output() const { return output_; }
    QListView* list() const;
    EntryListModel* listModel() const { return listModel_; }
    QPushButton* command1(int index) const;
    // The labels have the indexes 0 (the title), 2 ("число N") and 3 ("нечетни числа").
    QLabel* label1(int index) const;

signals:
    void command1Clicked(int index);
    void label1Clicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(int index, QStringView text, QRect place);
    CommandButton* addCommand(int index, QStringView text, QColor colour, QRect place);

    std::array<QLabel*, 4> labels_{};
    QLineEdit* input_;
    std::array<CommandButton*, 2> commands_{};
    EntryListView* list_;
    EntryListModel* listModel_;
    OutputBox* output_;

    LineEditTextBox inputBox_;
    OutputTextBox outputBox_;
    EntryListBox listBox_;
};
