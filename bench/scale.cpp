// The window's start and three of its buttons on the largest catalogue a list
// can hold, with the sorted lists the window itself keeps (ListData), timed
// against the least work that keeps the two sorted lists: sorting the names
// once and their length keys once, with the same collation.
// Both run in turn in one process and the medians are compared. The run fails
// if any list comes out in another order than the two sorts give.
//
// Usage: bench_scale [repetitions]   (odd, 7 when not given)

#include "collation.h"
#include "lengthkey.h"
#include "loadlists.h"
#include "memoryform.h"
#include "runcommand.h"

#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int NameCount = 32767; // the most a list can hold
constexpr quint32 Seed = 20240;
constexpr qsizetype LongestName = 40;
constexpr double Goal = 2.0;

const QString LatinConsonants = u"bcdfghklmnprstvxz"_s;
const QString LatinVowels = u"aeiouy"_s;
const QString CyrillicConsonants = u"бвгджзйклмнпрстфхцчшщ"_s;
const QString CyrillicVowels = u"аеиоуъюя"_s;

// Words firm names are often made of, so that many names share a beginning
// and the collation has to look past it.
const QStringList LatinWords{u"Express"_s, u"Cargo"_s, u"Post"_s, u"Logistics"_s,
                             u"Delivery"_s, u"Trans"_s, u"Courier"_s, u"Bulgaria"_s};
const QStringList CyrillicWords{u"Експрес"_s, u"Куриер"_s, u"Поща"_s, u"Логистика"_s,
                                u"Доставки"_s, u"Транс"_s, u"България"_s, u"София"_s};

QChar pick(QRandomGenerator &random, const QString &letters)
{
    return letters[random.bounded(letters.size())];
}

QString word(QRandomGenerator &random, bool cyrillic)
{
    if (random.bounded(100) < 10)
        return QString::number(random.bounded(1, 10000));
    if (random.bounded(100) < 30) {
        const QStringList &words = cyrillic ? CyrillicWords : LatinWords;
        return words[random.bounded(words.size())];
    }
    const QString &consonants = cyrillic ? CyrillicConsonants : LatinConsonants;
    const QString &vowels = cyrillic ? CyrillicVowels : LatinVowels;
    QString made;
    const int length = random.bounded(1, 11);
    for (int i = 0; i < length; ++i)
        made += pick(random, i % 2 == 0 ? consonants : vowels);
    // Mostly capitalised, some in capitals, some in small letters.
    const int style = random.bounded(10);
    if (style < 6)
        made[0] = made[0].toUpper();
    else if (style < 8)
        made = made.toUpper();
    return made;
}

QString newName(QRandomGenerator &random)
{
    const bool cyrillic = random.bounded(100) < 65;
    QString name = word(random, cyrillic);
    const int words = random.bounded(1, 5);
    for (int i = 1; i < words; ++i)
        name += (random.bounded(10) == 0 ? u" & "_s : u" "_s) + word(random, cyrillic);
    return name.left(LongestName).trimmed();
}

// Distinct names of 1 to 40 characters. Some differ from an earlier one only
// in case, which the collation counts as equal, so the order of adding decides.
QStringList generateNames()
{
    QRandomGenerator random(Seed);
    QStringList names;
    QSet<QString> seen;
    while (names.size() < NameCount) {
        QString name = newName(random);
        if (!names.isEmpty() && random.bounded(100) < 5) {
            const QString &earlier = names[random.bounded(names.size())];
            name = random.bounded(2) ? earlier.toUpper() : earlier.toLower();
        }
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        names.append(name);
    }
    return names;
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Reference
{
    QStringList alphabetical;
    QStringList lengthKeys;
};

// The lower bound: one stable sort of the names and one of their keys. The
// copies are made before the clock starts.
double runReference(const QStringList &names, const QStringList &keys, Reference &sorted)
{
    sorted = {names, keys};
    sorted.alphabetical.detach();
    sorted.lengthKeys.detach();
    const auto start = Clock::now();
    std::stable_sort(sorted.alphabetical.begin(), sorted.alphabetical.end(), sortsBefore);
    std::stable_sort(sorted.lengthKeys.begin(), sorted.lengthKeys.end(), sortsBefore);
    return secondsSince(start);
}

struct FormResult
{
    QStringList alphabetical;
    QStringList lengthKeys;
    QList<QStringList> displays; // after each command, in order
};

const Integer Commands[] = {AlphabeticalCommand, LengthCommand, UserOrderCommand};

// What the window does: load the lists, then press three buttons. Only these
// calls are timed, not building the form or reading the lists to check them.
double runForm(const QStringList &names, FormResult &result)
{
    MemoryForm form(names);
    result = {};
    auto start = Clock::now();
    LoadLists(form.controls);
    double seconds = secondsSince(start);
    for (Integer command : Commands) {
        start = Clock::now();
        RunCommand(form.controls, command);
        seconds += secondsSince(start);
        result.displays.append(itemsOf(form.display));
    }
    result.alphabetical = itemsOf(form.list(AlphabeticalList));
    result.lengthKeys = itemsOf(form.list(LengthList));
    return seconds;
}

bool sameOrder(const char *what, const QStringList &actual, const QStringList &expected)
{
    if (actual == expected)
        return true;
    std::fprintf(stderr, "ORDER DIFFERS: %s\n", what);
    if (actual.size() != expected.size())
        std::fprintf(stderr, "  %lld items, expected %lld\n", qlonglong(actual.size()),
                     qlonglong(expected.size()));
    for (qsizetype i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (actual[i] != expected[i]) {
            std::fprintf(stderr, "  first at position %lld: \"%s\", expected \"%s\"\n",
                         qlonglong(i), qPrintable(actual[i]), qPrintable(expected[i]));
            break;
        }
    }
    return false;
}

bool sameOrders(const FormResult &form, const Reference &reference, const QStringList &names)
{
    QStringList namesByLength;
    for (const QString &key : reference.lengthKeys)
        namesByLength.append(key.sliced(3)); // every name is shorter than 100
    return sameOrder("alphabetical list", form.alphabetical, reference.alphabetical)
        && sameOrder("length list", form.lengthKeys, reference.lengthKeys)
        && sameOrder("display after command 0", form.displays[0], reference.alphabetical)
        && sameOrder("display after command 3", form.displays[1], namesByLength)
        && sameOrder("display after command 2", form.displays[2], names);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 7;
    if (repetitions < 1 || repetitions % 2 == 0) {
        std::fprintf(stderr, "usage: %s [odd number of repetitions]\n", argv[0]);
        return EXIT_FAILURE;
    }

    const QStringList names = generateNames();
    QStringList keys;
    for (const QString &name : names)
        keys.append(LengthKey(name));

    std::vector<double> formTimes, referenceTimes;
    for (int i = 0; i < repetitions; ++i) {
        // Alternate which one goes first, so that neither always runs on a
        // warmer cache.
        FormResult form;
        Reference reference;
        if (i % 2 == 0) {
            formTimes.push_back(runForm(names, form));
            referenceTimes.push_back(runReference(names, keys, reference));
        } else {
            referenceTimes.push_back(runReference(names, keys, reference));
            formTimes.push_back(runForm(names, form));
        }
        if (!sameOrders(form, reference, names)) {
            std::fprintf(stderr, "bench_scale: FAILED, the lists are not in the reference order\n");
            return EXIT_FAILURE;
        }
    }

    const double formTime = median(formTimes);
    const double referenceTime = median(referenceTimes);
    const double ratio = formTime / referenceTime;
    std::printf("%d distinct names, seed %u; median of %d runs of each, taken in turn\n",
                NameCount, Seed, repetitions);
    std::printf("  LoadLists, RunCommand 0, 3, 2 on the form's lists %6.1f ms\n", formTime * 1000);
    std::printf("  stable_sort of the names and of their keys     %9.1f ms\n", referenceTime * 1000);
    std::printf("  ratio %.2f (goal: at most %.0f, %s)\n", ratio, Goal,
                ratio <= Goal ? "met" : "MISSED");
    std::printf("  orders: every list and display match the reference sorts\n");
    return EXIT_SUCCESS;
}
