// The sound module, loaded by the frame with the first sound it plays.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "frame/lecteurson.h"

namespace {

class LecteurQt : public LecteurSon {
public:
    bool sortieDisponible() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void joue(const QString& chemin, std::function<void(const QString&)> echec) override
    {
        if (!son_) {
            son_ = std::make_unique<QSoundEffect>();
            QObject::connect(son_.get(), &QSoundEffect::statusChanged, son_.get(), [this] {
                if (son_->status() == QSoundEffect::Error && echec_)
                    echec_(son_->source().toLocalFile());
            });
        }
        echec_ = std::move(echec);
        son_->stop();
        // The same name again: the effect reads the file anew only for another source.
        son_->setSource(QUrl());
        son_->setSource(QUrl::fromLocalFile(chemin));
        son_->play();
    }

private:
    std::unique_ptr<QSoundEffect> son_;
    std::function<void(const QString&)> echec_;
};

}  // namespace

extern "C" Q_DECL_EXPORT LecteurSon* virk_cree_lecteur_son()
{
    return new LecteurQt;
}
