#include <gtest/gtest.h>

#include "production/ScenePreparation.h"
#include "project/Document.h"
#include "support/FakePrompt.h"
#include "support/TempDir.h"

namespace {

// The new project's sample picture and sound, a missing picture and a text late in the movie.
class ScenePreparationTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakePrompt prompt;
        ASSERT_TRUE(doc.New(dir / "Trip", prompt));
        MovieObject missing = doc.objects[0];
        missing.fileName = u"gone.jpg";
        MovieObject text;
        text.type = MovieObjectType::Text;
        text.text = u"Hello";
        text.begin = 10000;
        text.end = 12000;
        doc.objects.push_back(missing);
        doc.objects.push_back(text);
    }

    TempDir dir;
    Document doc;
};

}  // namespace

TEST_F(ScenePreparationTest, AFailingObjectEndsThePreparationUnlessFailuresAreSkipped) {
    ScenePreparation strict(doc.objects, doc.properties, doc.paths());
    EXPECT_EQ(strict.pictureCount(), 3u);
    EXPECT_EQ(strict.PrepareAll(Mt::Task::Unwatched()).message(),
              "Error reading the file\ngone.jpg");

    ScenePreparation lenient(doc.objects, doc.properties, doc.paths());
    lenient.SetSkipFailures(true);
    ASSERT_TRUE(lenient.PrepareAll(Mt::Task::Unwatched()).ok());
    const PreparedScene& scene = lenient.scene();
    ASSERT_EQ(scene.objects.size(), 3u);  // picture, sound, text: the missing picture left out
    EXPECT_EQ(scene.objects[2].type, MovieObjectType::Text);
    EXPECT_GT(scene.prepared[0].picture.width(), 0u);
    EXPECT_GT(scene.prepared[2].picture.width(), 0u);
    EXPECT_EQ(lenient.skipped(), std::vector<std::string>{"Error reading the file\ngone.jpg"});
}

TEST_F(ScenePreparationTest, OnlyObjectsInTheTimeRangeArePreparedAndACancelStops) {
    doc.objects.erase(doc.objects.begin() + 2);  // no missing picture
    ScenePreparation late(doc.objects, doc.properties, doc.paths(), 9000, 11000);
    EXPECT_EQ(late.pictureCount(), 1u);
    ASSERT_TRUE(late.PrepareAll(Mt::Task::Unwatched()).ok());
    EXPECT_TRUE(late.scene().prepared[0].picture.empty());
    EXPECT_FALSE(late.scene().prepared[2].picture.empty());

    Mt::Task task;
    task.Cancel();
    ScenePreparation all(doc.objects, doc.properties, doc.paths());
    EXPECT_TRUE(all.PreparePictures(task).stopped());
    EXPECT_FALSE(all.scene().prepared[0].picture.empty());  // the first object was done
    EXPECT_TRUE(all.scene().prepared[2].picture.empty());
}
