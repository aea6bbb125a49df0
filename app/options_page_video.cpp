#include "app/options_page_video.h"

#include "app/options_program_list.h"

#include <QVBoxLayout>

VideoOptionsPage::VideoOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "VideoTextSheet", QStringLiteral("Video"))
{
    auto* l = new QVBoxLayout(this);
    m_programs = new ProgramList(this, l, QStringLiteral("Video program :"), "VidProgComboBox", "BrowseVideoButton",
                                  "RemoveVideoProgram", QStringLiteral("&Remove Video program from list "));
    VidProgComboBox = m_programs->box;
    BrowseVideoButton = m_programs->browseButton;
    RemoveVideoProgram = m_programs->removeButton;
    l->addStretch();
}

void VideoOptionsPage::load(const TOptionsValues& v)
{
    m_programs->load(v.VideoPrograms);
}

void VideoOptionsPage::store(TOptionsValues& v) const
{
    v.VideoPrograms = m_programs->entries();
}
