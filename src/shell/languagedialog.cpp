#include "languagedialog.h"

#include "languagetables.h"
#include "postmsg.h"

void LanguageDialog::followLanguage()
{
    connect(PostMsg::instance(), SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
}
