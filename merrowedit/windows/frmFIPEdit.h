#pragma once
// The small editor of one county entry, for the county window's Add and Edit.
#include <QDialog>
#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace merrow {

inline constexpr int kFipEditAdd = 1;
inline constexpr int kFipEditEdit = 2;

// Hand-over between the county window and the editor.
inline QString FipEditEntry;    // the list item handed to the editor
inline int FipEditMode = 0;     // kFipEditAdd or kFipEditEdit
inline int FipEditIndex = 0;    // the list position the county window writes
inline QString FipEditResult;   // the entry body the editor built

// Longest state name the entries carry ("District Of Columbia").
inline constexpr int kStateBoxLength = 20;
inline constexpr int kCountyBoxLength = 22;

class frmFIPEdit : public QDialog {
    Q_OBJECT

public:
    explicit frmFIPEdit(QWidget* parent = nullptr);

    QLineEdit* txtFIP = nullptr;
    QLineEdit* txtCounty = nullptr;
    QLineEdit* txtState = nullptr;
    std::array<QLabel*, 4> lblInfo{};
    QGroupBox* Frame1 = nullptr;
    QLabel* picture = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void Form_Activate();
    void FillBoxes();
    void FillInfo(int mode);
    void ConstructOutString();
    // Accepts the dialog with FipEditResult set, or says what is wrong and stays open.
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace merrow
