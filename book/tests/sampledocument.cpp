#include "sampledocument.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QString decimal(double value, int decimals = 1) {
    return QString::number(value, 'f', decimals).replace(u'.', u',');
}

BookTable sampleTable(int chapter, int rows) {
    BookTable table;
    table.columns = {{QStringLiteral("Repère")},
                     {QStringLiteral("Pièce")},
                     {QStringLiteral("Longueur"), Qt::AlignRight},
                     {QStringLiteral("Qté"), Qt::AlignRight},
                     {QStringLiteral("Prix"), Qt::AlignRight}};
    for (int r = 0; r < rows; ++r) {
        QString name = QStringLiteral("Tasseau de la courbe gauche, station %1").arg(r + 1);
        if (r % 7 == 3)
            name += QStringLiteral(" — vissé sur les deux flancs avec deux vis de 5 × 70 mm à "
                                   "chaque bout, avant-trous percés à 3 mm");
        table.rows.push_back(
            {{QStringLiteral("P%1-%2").arg(chapter).arg(r + 1, 3, 10, QChar(u'0')), name,
              QStringLiteral("%1 mm").arg(decimal(500 + 13.7 * r)), QString::number(1 + r % 4),
              QStringLiteral("%1 €").arg(decimal(2.35 * (r + 1), 2))}});
    }
    table.rows.push_back({{QString(), QStringLiteral("Total"), QString(), QString(),
                           QStringLiteral("%1 €").arg(decimal(2.35 * rows * (rows + 1) / 2, 2))},
                          true});
    return table;
}

// A board with its pieces, dimensioned: lines, arrows and labels, one of
// them turned along the board's end.
void paintBoard(BookCanvas& canvas, int pieces) {
    QPainter& p = canvas.painter();
    const QSizeF size = canvas.size();
    const double top = 8;
    const double height = size.height() - 20;
    p.drawRect(QRectF(5, top, size.width() - 10, height));
    const double step = (size.width() - 10) / pieces;
    for (int i = 0; i < pieces; ++i) {
        const double left = 5 + i * step;
        if (i > 0) p.drawLine(QPointF(left, top), QPointF(left, top + height));
        canvas.text(QStringLiteral("P%1").arg(i + 1), QPointF(left + step / 2, top + height / 2),
                    Qt::AlignCenter, 3.2);
        canvas.text(QStringLiteral("%1 mm").arg(decimal(step * 10)),
                    QPointF(left + step / 2, top + height + 2), Qt::AlignHCenter | Qt::AlignTop);
        p.drawLine(QPointF(left + 1, top + height + 1.5),
                   QPointF(left + step - 1, top + height + 1.5));
    }
    canvas.text(QStringLiteral("%1 mm").arg(decimal(height * 10)), QPointF(2, top + height / 2),
                Qt::AlignCenter, BookCanvas::defaultTextHeight, -90);
    p.save();
    p.setPen(QPen(Qt::darkGray, 0.2, Qt::DashLine));
    QPainterPath curve;
    curve.moveTo(5, top);
    curve.cubicTo(size.width() / 3, 0, size.width() * 2 / 3, 0, size.width() - 5, top);
    p.drawPath(curve);
    p.restore();
}

} // namespace

QImage samplePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(200, 220, 240));
    sky.setColorAt(1, Qt::white);
    p.fillRect(image.rect(), sky);
    p.setBrush(QColor(190, 150, 100));
    p.drawRect(width / 10, height / 2, width * 8 / 10, height / 3);
    p.setBrush(QColor(120, 120, 130));
    p.drawEllipse(QPoint(width / 2, height / 2), width / 6, height / 8);
    return image;
}

BookDocument sampleDocument(BookPaper paper, int chapters) {
    BookDocument book(paper, QStringLiteral("Quarvel — livret de construction : rampe d'essai"));
    book.title(QStringLiteral("Rampe d'essai"));
    book.picture(samplePicture(900, 500), book.textWidth() * 0.8,
                 QStringLiteral("La rampe terminée"));
    book.table({{{QStringLiteral("Total")}, {QString(), Qt::AlignRight}},
                {{{QStringLiteral("Feuilles"), QStringLiteral("7")}},
                 {{QStringLiteral("Planches"), QStringLiteral("23")}},
                 {{QStringLiteral("Coût"), QStringLiteral("812,40 €")}, true}}});
    book.contents();
    const double width = book.textWidth();
    for (int c = 1; c <= chapters; ++c) {
        book.chapter(c % 3 == 0 ? QStringLiteral("Chapitre %1 : un titre assez long pour "
                                                 "passer à la ligne dans le sommaire comme "
                                                 "sur sa page")
                                      .arg(c)
                                : QStringLiteral("Chapitre %1").arg(c));
        book.paragraph(QStringLiteral("Ce chapitre liste les pièces, puis montre leur découpe. "
                                      "Les longueurs sont en millimètres, arrondies au dixième : "
                                      "mesurez deux fois, coupez une fois. ")
                           .repeated(3));
        book.bullets({QStringLiteral("Tracez au crayon sur la face visible."),
                      QStringLiteral("Coupez à l'extérieur du trait, la lame ôte 3 mm."),
                      QStringLiteral("Poncez les arêtes avant l'assemblage, surtout celles qui "
                                     "seront sous les pieds du patineur une fois la rampe "
                                     "montée.")});
        book.table(sampleTable(c, 60 + 7 * c));
        book.section(QStringLiteral("Découpe"));
        for (int d = 0; d < 3; ++d) {
            book.beginKeepTogether();
            book.paragraph(QStringLiteral("Planche %1 : trois pièces bout à bout.").arg(d + 1));
            book.drawing(
                QSizeF(width, 40 + 10 * d), [d](BookCanvas& canvas) { paintBoard(canvas, 3 + d); },
                QStringLiteral("Planche %1, échelle 1:10").arg(d + 1));
            book.endKeepTogether();
        }
        book.section(QStringLiteral("Vue d'ensemble"));
        book.picture(samplePicture(600, 400), width / 2, QStringLiteral("Après l'étape %1").arg(c));
        if (c % 2 == 0) {
            book.pageBreak();
            book.paragraph(QStringLiteral("Une page nouvelle commence ici."));
        }
    }
    return book;
}
