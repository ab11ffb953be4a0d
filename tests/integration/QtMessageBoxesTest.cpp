#include "desktop/platform/qt/QtMessageBoxes.h"
#include "core/platform/qt/QtTimers.h"
#include "support/TestSupport.h"

#include <QPushButton>

#include <optional>

TEST(QtMessageBoxes, BoxOpenedFromATimerTickHoldsUpNoTimerAndReportsItsAnswer)
{
    QtTimers timers;
    QtMessageBoxes boxes;
    int ticks = 0;
    std::optional<MsgAnswer> answer;
    auto timer = timers.createTimer(QStringLiteral("processTimer"), TimerMode::Repeating, [&] {
        if (++ticks == 1)
            boxes.show(QStringLiteral("<h1 style='color:red'>Still</h1> there?"), QStringLiteral("Veltaro"),
                       MsgButtons::YesNo, MsgIcon::None, [&](MsgAnswer given) { answer = given; });
    });
    timer->start(20);
    // Should a box ever block its caller again, this ends the wait instead of the test hanging.
    QTimer::singleShot(3000, [] {
        if (QMessageBox* box = openBox())
            box->reject();
    });

    EXPECT_TRUE(runUntil([&] { return ticks >= 5; }, 2000));
    QMessageBox* box = openBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText) << "a server's text shows as it is";
    EXPECT_FALSE(answer.has_value());
    box->button(QMessageBox::Yes)->click();
    EXPECT_EQ(answer, MsgAnswer::Yes);
    EXPECT_TRUE(runUntil([] { return openBox() == nullptr; }, 2000));
}
