// The input and output boxes, the Translate and Clear captions, and Translate.
#include "mainwindow/form1.h"

#include "controls/image.h"
#include "controls/label.h"
#include "controls/textbox.h"
#include "mainwindow/ccrpprogressbar.h"
#include "platform/faultreport.h"
#include "translation/dictionary.h"
#include "translation/translate.h"

namespace {

const QString Placeholder = QStringLiteral("Enter Text Here...");

} // namespace

// The dictionary is read and checked before either box changes: a faulty dictionary
// is reported and leaves both boxes as they were, and the program goes on.
void Form1::Translate()
{
    ccrpProgressBar1->setValue(100);
    const DictionaryOrFault loaded = Dictionary::load(programFile(QStringLiteral("\\SMS.dic")));
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded)) {
        ccrpProgressBar1->setValue(0);
        ReportFault(platform(), FaultConsequence::NotTranslated, fault->message);
        return;
    }
    Text1->setText(Text1->text() + QLatin1Char(' '));
    Text2->setText(QString());
    Text2->setText(translate(std::get<Dictionary>(loaded), Text1->text()));
    Text2->setCursorPosition(0); // a translation longer than the box shows its beginning
    ccrpProgressBar1->setValue(0);
}

void Form1::Text1_Click()
{
    if (Text1->text() == Placeholder)
        Text1->setText(QString());
}

void Form1::Text1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        Translate();
    if (Text1->text() == Placeholder)
        Text1->setText(QString());
}

void Form1::Label3_MouseDown(int, int, QPoint)
{
    imgApply->setPicture(invdown->picture());
}

void Form1::Label3_MouseUp(int, int, QPoint)
{
    imgApply->setPicture(invup->picture());
}

void Form1::Label3_Click()
{
    Translate();
}

void Form1::Label2_MouseDown(int, int, QPoint)
{
    imgVerify->setPicture(invdown->picture());
}

void Form1::Label2_MouseUp(int, int, QPoint)
{
    imgVerify->setPicture(invup->picture());
}

void Form1::Label2_Click()
{
    Text1->setText(QString());
    Text2->setText(QString());
    ccrpProgressBar1->setValue(0);
}
