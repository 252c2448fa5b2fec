#include "csvcolumnguess.h"

#include <QList>
#include <QString>

#include <array>
#include <utility>

namespace {

// Case, accents, full-width forms, blanks and punctuation do not tell header names apart:
// "Catégorie", "CATEGORIE" and "Check-Nr." read as "categorie" and "checknr".
QString normalized(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString result;
    result.reserve(decomposed.size());
    for (const QChar character : decomposed) {
        if (character.isLetterOrNumber() && character.category() != QChar::Mark_NonSpacing)
            result.append(character);
    }
    return result;
}

struct FieldWords
{
    int CsvColumnGuess::*column;
    // Whole names, best first; then parts of names, best first.
    QStringList names;
    QStringList parts;
};

// The order is the order in which the fields choose: a column taken by an earlier field is not
// offered to a later one ("Value Date" is a date, not an amount; "Check Number" is no payee).
const std::array<FieldWords, 6> &fieldWords()
{
    static const std::array<FieldWords, 6> words = [] {
        std::array<FieldWords, 6> fields{{
            {&CsvColumnGuess::dateColumn,
             {// en
              "Date", "Transaction Date", "Trans. Date", "Posting Date", "Posted Date", "Post Date",
              "Booking Date", "Value Date",
              // de
              "Datum", "Buchungstag", "Buchungsdatum", "Belegdatum", "Valutadatum", "Valuta", "Wertstellung",
              // es
              "Fecha", "Fecha operación", "F. operación", "Fecha de operación", "Fecha valor", "F. valor",
              // fr
              "Date opération", "Date de l'opération", "Date d'exécution", "Date de l'exécution",
              "Date comptable", "Date valeur", "Date de valeur",
              // ja
              "日付", "取引日", "お取引日", "利用日", "ご利用日", "年月日", "計上日"},
             {"date", "datum", "fecha", "日付", "取引日", "利用日"}},
            {&CsvColumnGuess::checkNumberColumn,
             {"Check Number", "Check No", "Check #", "Check", "Chk #", "Cheque Number", "Cheque No", "Num",
              "Schecknummer", "Scheck-Nr.", "Scheck", "Número de cheque", "Nº cheque", "Cheque",
              "Numéro de chèque", "N° de chèque", "N° chèque", "Chèque", "小切手番号"},
             {"checknumber", "chequenumber", "schecknummer", "numerodecheque", "小切手"}},
            {&CsvColumnGuess::amountColumn,
             {"Amount", "Transaction Amount", "Betrag", "Umsatz", "Importe", "Monto", "Cantidad", "Montant",
              "Somme", "金額", "取引金額", "お取引金額", "利用金額", "ご利用金額"},
             {"amount", "betrag", "importe", "montant", "金額"}},
            {&CsvColumnGuess::categoryColumn,
             {"Category", "Kategorie", "Categoría", "Catégorie", "カテゴリ", "カテゴリー", "分類", "費目"},
             {"category", "kategorie", "categoria", "categorie", "カテゴリ"}},
            {&CsvColumnGuess::payeeColumn,
             {// en
              "Payee", "Merchant", "Description", "Transaction Description", "Name", "Details", "Narrative",
              "Counterparty", "Beneficiary",
              // de
              "Empfänger", "Zahlungsempfänger", "Auftraggeber/Empfänger", "Begünstigter/Zahlungspflichtiger",
              "Beguenstigter/Zahlungspflichtiger", "Beschreibung",
              // es
              "Beneficiario", "Comercio", "Establecimiento", "Concepto", "Descripción",
              // fr
              "Bénéficiaire", "Tiers", "Libellé", "Libellé opération", "Libellé de l'opération", "Détail",
              // ja
              "お支払先", "支払先", "取引先", "利用店名", "ご利用店名", "店名", "摘要", "内容", "取引内容"},
             {"payee", "merchant", "empfanger", "empfaenger", "begunstigter", "beguenstigter", "auftraggeber",
              "beneficiario", "beneficiaire", "libelle", "description", "descripcion", "beschreibung",
              "concepto", "店名", "支払先", "摘要"}},
            {&CsvColumnGuess::memoColumn,
             {// en
              "Memo", "Notes", "Note", "Comments", "Comment", "Remarks", "Reference",
              // de
              "Verwendungszweck", "Notiz", "Bemerkung", "Kommentar",
              // es
              "Notas", "Nota", "Observaciones", "Comentario", "Referencia",
              // fr
              "Mémo", "Remarque", "Commentaire", "Référence",
              // ja
              "メモ", "備考", "摘要",
              // a second description column beside a payee column
              "Description", "Descripción", "Beschreibung", "Libellé"},
             {"memo", "note", "comment", "remark", "verwendungszweck", "vwz", "notiz", "bemerkung",
              "observacion", "nota", "commentaire", "remarque", "メモ", "備考", "description"}},
        }};
        for (FieldWords &field : fields) {
            for (QString &name : field.names)
                name = normalized(name);
            for (QString &part : field.parts)
                part = normalized(part);
        }
        return fields;
    }();
    return words;
}

// Lower is better: a whole name by its place in the list, then a part by its place; -1 when the
// name says nothing about the field.
int rank(const FieldWords &field, const QString &name)
{
    if (name.isEmpty())
        return -1;
    const qsizetype whole = field.names.indexOf(name);
    if (whole >= 0)
        return int(whole);
    for (qsizetype i = 0; i < field.parts.size(); ++i) {
        if (name.contains(field.parts[i]))
            return int(field.names.size() + i);
    }
    return -1;
}

} // namespace

CsvColumnGuess guessCsvColumns(const QStringList &header)
{
    QStringList names;
    names.reserve(header.size());
    for (const QString &cell : header)
        names.append(normalized(cell));

    CsvColumnGuess guess;
    QList<bool> taken(names.size(), false);
    for (const FieldWords &field : fieldWords()) {
        int best = -1;
        int bestRank = -1;
        for (int column = 0; column < names.size(); ++column) {
            if (taken[column])
                continue;
            const int columnRank = rank(field, names[column]);
            if (columnRank >= 0 && (best < 0 || columnRank < bestRank)) {
                best = column;
                bestRank = columnRank;
            }
        }
        if (best >= 0) {
            guess.*field.column = best;
            taken[best] = true;
        }
    }
    if (guess.payeeColumn < 0 && guess.memoColumn >= 0)
        std::swap(guess.payeeColumn, guess.memoColumn);
    return guess;
}
