#pragma once

#include "actors/GameObject.h"

#include <string>
#include <vector>

// A game object that writes what happens to it into a shared journal: its updates, the
// partners it is told about, its destruction.
class Probe : public GameObject {
public:
    Probe(std::vector<std::string>* journal, const std::string& name, const Vector& pos = Vector())
        : GameObject(pos), _journal(journal), _name(name) {}
    ~Probe() override { _journal->push_back("destroy " + _name); }

    void Update() override { _journal->push_back("update " + _name); }
    void Move() override {}
    void IsInside(GameObject* other) override {
        const Probe* probe = dynamic_cast<const Probe*>(other);
        _journal->push_back(_name + " touches " + (probe ? probe->_name : std::string("?")));
    }

    // make it a 10 x 10 box that starts collision tests
    void MakeSolid(bool moving) {
        _width = 10;
        _height = 10;
        BuildHitbox();
        _collides = true;
        _moved = moving;
    }

private:
    std::vector<std::string>* _journal;
    std::string _name;
};

// A plain entity that journals its destruction and may ask for another's removal then,
// as a text does for its letters.
class PlainProbe : public Entity {
public:
    PlainProbe(std::vector<std::string>* journal, const std::string& name, Entity* removeOnDestroy = nullptr)
        : Entity(Vector()), _journal(journal), _name(name), _removeOnDestroy(removeOnDestroy) {}
    ~PlainProbe() override;

    void Update() override {}

private:
    std::vector<std::string>* _journal;
    std::string _name;
    Entity* _removeOnDestroy;
};
