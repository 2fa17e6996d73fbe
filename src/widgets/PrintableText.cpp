#include "widgets/PrintableText.h"

#include "store/QrpRecord.h"

QValidator::State PrintableText::validate(QString &input, int &pos) const
{
    qsizetype kept = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (Latin1::printable(input.at(i).unicode()))
            input[kept++] = input.at(i);
        else if (i < pos)
            --pos;
    }
    input.truncate(kept);
    return Acceptable;
}
