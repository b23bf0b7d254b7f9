#include "reference/ReferenceWindows.h"

#include "reference/ReferenceWindow.h"
#include "reference/TInitCompanyInfoForm.h"
#include "reference/TInitProdObjectInfoForm.h"
#include "reference/TInitProduceInfoForm.h"

QDialog* createReferenceWindow(const QString& className, QWidget* parent) {
    if (className == u"TInitProdObjectInfoForm")
        return new TInitProdObjectInfoForm(parent);
    if (className == u"TInitProduceInfoForm")
        return new TInitProduceInfoForm(parent);
    if (className == u"TInitCompanyInfoForm")
        return new TInitCompanyInfoForm(parent);
    for (const ReferenceWindowKind* kind :
         {&ReferenceWindowKinds::warehouses(), &ReferenceWindowKinds::bins(),
          &ReferenceWindowKinds::departments(), &ReferenceWindowKinds::suppliers(),
          &ReferenceWindowKinds::summaries()})
        if (kind->className == className)
            return new ReferenceWindow(parent, *kind);
    return nullptr;
}
