#pragma once

#include "pages/ParamPage.h"

#include <QList>

class ParamSet;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// The home page of the parameter set: recording to the SD card and the channels the recorder
// displays. One class serves the four models; the factory names them frmTD_P_Main02, 04, 06
// and 12. On a 12-channel set the channels are put into two display groups of at most six
// (a channel button is lit while its channel is in the shown group); on smaller sets each
// channel is shown or hidden with its box. The 6-channel page carries Korean captions.
class frmTD_P_Main : public ParamPage {
    Q_OBJECT
public:
    frmTD_P_Main(const PageContext& context, QWidget* parent = nullptr);

    int channels() const { return m_channels; }

    QRadioButton* obtSD_Save[2] = {};
    QLabel* lblDispGroup = nullptr;
    QPushButton* btnGroupUP = nullptr;
    QPushButton* btnGroupDN = nullptr;
    QList<QPushButton*> btnDispCH; // 12-channel page
    QList<QCheckBox*> chbDispCH;   // smaller pages

protected:
    void loaded() override;

private:
    void buildGroupPage();
    void buildShowPage();
    void stepGroup(bool up);
    void clickChannel(int channel);
    void paintChannels();
    QStringList channelCells() const;
    QString channelCell(int channel) const;
    void setChannelCell(int channel, const QString& text);

    ParamSet& m_set;
    int m_channels;
};
